#pragma once

// Every text the application shell shows, in one place (the menu captions live in the menu
// table, MainMenuTexts).
namespace pathwick::texts {

// Captions of the main window.
inline constexpr auto AllDrivesCaption = " - All drives";
inline constexpr auto DriveCaptionStart = " - Drive ";
inline constexpr auto DriveCaptionEnd = " only";
inline constexpr auto CloseAllCaption = " - Close all directories:";

// The hot key switch.
inline constexpr auto HotKeysRunning = "&Global hot keys is running";
inline constexpr auto HotKeysDisabled = "&Global hot keys is disabled";

// The Help menu.
inline constexpr auto AboutStart = "&About ";
inline constexpr auto HelpPathEntry = "Help file &path\tMenu+shift";
inline constexpr auto SeparatorCaption = "-";

// Running copies.
inline constexpr auto CopiesHeading = "Warning:";
inline constexpr auto CopiesButtons = "&Yes|&Run anyway";
inline constexpr auto CopiesThereAre = "There are ";
inline constexpr auto CopiesCopiesOf = " copies of ";
inline constexpr auto CopiesRunning = " running.";
inline constexpr auto CopiesRuningMore = "Runing more than one copy of ";
inline constexpr auto CopiesHotKeys =
    "may result in the hot keys sending the command more than once";
inline constexpr auto CopiesWrongTime = "and the computer turning off at the wrong time.";
inline constexpr auto CopiesCloseThis = "Do you wish to close this copy of ";
inline constexpr auto CopiesQuestionEnd = "?";

// Closing.
inline constexpr auto ClosingDown = " is closing down.";
inline constexpr auto ClosingHotKeys = "This will also stop any hot keys from working.";
inline constexpr auto ClosingButtons = "&OK";

// Closing every folder window.
inline constexpr auto CloseAllQuestion =
    "Are you sure you wish to close all directory windows on all drives?";
inline constexpr auto CloseAllByExplorer = "Close all directory windows by closing Explorer?";
inline constexpr auto CloseAllHeading = "Close all directory windows on all drives?";
inline constexpr auto CloseAllButtons = "&Close explorer|Do &NOT close";
inline constexpr auto FileManagerKill = "taskkill";
inline constexpr auto FileManagerKillParameters = "-f -im explorer.exe";
inline constexpr auto FileManagerStart = "C:\\WINDOWS\\explorer.exe";

// The command line.
inline constexpr auto HiddenRequest = "#Hidden";
inline constexpr auto DelayRequest = "?HoursMinutes=";
inline constexpr auto DateRequest = "?DateTime=";

// The settings store had to be replaced.
inline constexpr auto StoreNoticeTitle = " - Settings:";

} // namespace pathwick::texts
