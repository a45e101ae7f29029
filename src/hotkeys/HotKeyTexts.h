#pragma once

// The poller's own texts, each in one place.
namespace pathwick::hotkeys::texts {

// The caption of the main window's hot key switch.
inline constexpr auto SwitchRunning = "&Global hot keys is running";
inline constexpr auto SwitchDisabled = "&Global hot keys is disabled";
inline constexpr auto WaylandTitle = " - Global hot keys";

inline constexpr auto ShiftName = "+Shift";
inline constexpr auto CtrlName = "+Ctrl";
inline constexpr auto AltName = "+Alt";
inline constexpr auto Beep = "beep";

inline constexpr auto RunTestTitle = "RUN (Test mode)";
inline constexpr auto SendTestTitle = "SEND (Test mode)";

inline constexpr auto CantFindTitle = " - Can't find it.";
inline constexpr auto CantFindText = "Can't find this application, directory or file.\r\n"
                                     "Check the file path and name are correct.\r\n\r\n";

inline constexpr auto ConflictTitle = " - Command and send to for the same key!";
inline constexpr auto ConflictNote = "Note:\r\n"
                                     "You have a command and send to option for the same key.\r\n";
inline constexpr auto ConflictKey = "Key;\t\t";
inline constexpr auto ConflictCommand = "Command;\t";
inline constexpr auto ConflictSend = "Send to;\t\t";
inline constexpr auto ConflictAdvice =
    "You should delete or change the key for one of the values,\r\n"
    "in the Global hot keys window.";
inline constexpr int ConflictCut = 35;
inline constexpr auto LineBreakShown = " - ";

// Typing that could not be done, with the reason.
inline constexpr auto NotTypedTitle = " - Text not typed.";
inline constexpr auto NotTypedKeysHeld =
    "The text was not typed, because Shift, Ctrl, Alt or AltGr stayed held down and would have "
    "turned the typed keys into shortcuts.\r\nRelease the hot key's keys and press it again.";
inline constexpr auto NotTypedNoDisplay =
    "The text was not typed, because there is no X display to type on.";

} // namespace pathwick::hotkeys::texts
