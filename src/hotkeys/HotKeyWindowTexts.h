#pragma once

// Every text the hot key window and its run-at-login part show, in one place.
namespace pathwick::hotkeys::window_texts {

inline constexpr auto Caption = "Global hot key settings:";
inline constexpr auto FrameCaption = " Hot key: ";
inline constexpr auto KeyCode = "Key code:";
inline constexpr auto NoKeyYet = "-?-";
inline constexpr auto ShiftKey = "+ Shift key";
inline constexpr auto CtrlKey = "+ Ctrl key";
inline constexpr auto AltKey = "+ Alt key";
inline constexpr auto CommandType = "Hot key opens directory, runs program or loads a file.";
inline constexpr auto SendType = "Hot key sends text to program with input focus.";
inline constexpr auto RunLoadCommand = "Run/Load command;";
inline constexpr auto TextToSend = "Text to send;";
inline constexpr auto EditHotkey = "Updat&e/Create hot key";
inline constexpr auto DeleteHotkey = "&Delete hot key";
inline constexpr auto TestCommand = "&Test command";
inline constexpr auto RedDotText = " Press hot key to show red dot ";

// Dropping files onto the command or send box.
inline constexpr auto EditErrorTitle = " - Hot key edit error.";
inline constexpr auto OnlyOneStart = "You can only drag one ";
inline constexpr auto OnlyOneApplication = "application or ";
inline constexpr auto OnlyOneText = "text (.txt) ";
inline constexpr auto OnlyOneEnd = "file here at a time.";
inline constexpr auto OnlyTextFiles = "You can only drag text files with some text here.";

// The test button.
inline constexpr auto CantFindTitle = " - Can't find it.";
inline constexpr auto CantFindText =
    "Can't find this application, directory or file.\r\nCheck the file path and name are correct.";
inline constexpr auto SendTestFileName = "Send string test to";
inline constexpr auto SendTestWriteError = "Can't write the test file;\r\n";

// Deleting a hot key.
inline constexpr auto CantDeleteTitle = " - Can't delete it.";
inline constexpr auto NoValueStart = "There is no value assined to hot key ";
inline constexpr auto NoValueEnd = ".\r\nSo you can't delete it.";
inline constexpr auto DeleteTitle = " - Delete hotkey:";
inline constexpr auto DeleteQuestion = "Are you sure you wish to delete the kotkey :\r\n";
inline constexpr auto DeleteTextLabel = "Text to send:";
inline constexpr auto DeleteCommandLabel = "Command:";
inline constexpr auto PlusShift = " + Shift";
inline constexpr auto PlusCtrl = " + Ctrl";
inline constexpr auto PlusAlt = " + Alt";

// Wayland sessions.
inline constexpr auto WaylandNotice =
    "This is a Wayland session: hot keys are not seen while a native Wayland program has the "
    "keyboard focus. They work in X11 programs (XWayland) and in an X11 session.";

// Run at login.
inline constexpr auto RunAppStart = "Run ";
inline constexpr auto RunAppEnd = " when computer turns on.";
inline constexpr auto RunAppTip =
    "Do not tick if you also have a shortcut to this app in the Welcome directory.";
inline constexpr auto RunOptions = "Boot options";
inline constexpr auto RunOptionsTip = "Settings after computer re-boot.";
inline constexpr auto BootOptions = "Boot &options";
inline constexpr auto RunHidden = "Run with window closed";
inline constexpr auto StartPrograms = "Start &programs";
inline constexpr auto WelcomeUser = "&Windows start menu - Welcome ";
inline constexpr auto WelcomeAll = "Windows start menu - Welcome (&All users)";
inline constexpr auto StartupApps = "&Configure startup applications";
inline constexpr auto StartupInReg = "&Registery startup programs";
inline constexpr auto HiddenSwitch = " #Hidden";
inline constexpr auto HiddenSwitchWord = "#HIDDEN";

// The re-boot summary in the boot options.
inline constexpr auto RebootOnce = "Re-boot once only";
inline constexpr auto RebootAt = "Re-boot at ";
inline constexpr const char* RepeatSuffixes[] = {"",
                                                 " (Every 2 hours)",
                                                 " (Every 3 hours)",
                                                 " (Every 4 hours)",
                                                 " (Every 6 hours)",
                                                 " (Every 12 hours)",
                                                 " (Every day)"};
inline constexpr auto RepeatIndexStart = " (Repeat index ";
inline constexpr auto RepeatIndexEnd = ")";
inline constexpr auto UnknownAmPm = "??";

// The registry editor's start-up places, named for the user where it says so.
inline constexpr auto RunKeyPlace =
    "Computer\\HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr auto RunOnceKeyPlace =
    "Computer\\HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr auto AllUsersRunPlace =
    "Computer\\HKLM\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr auto AllUsersRunOncePlace =
    "Computer\\HKLM\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr auto FavouriteRunFor = "Run at &boot for ";
inline constexpr auto FavouriteRunOnceFor = "Run at boot &once only for ";
inline constexpr auto FavouriteRunAll = "Run at boot (All &users)";
inline constexpr auto FavouriteRunOnceAll = "Run at boot once only (All user&s)";

} // namespace pathwick::hotkeys::window_texts
