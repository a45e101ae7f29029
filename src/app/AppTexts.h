#pragma once

// Every text the application shell shows, in one place (the menu captions live in the menu
// table, MainMenuTexts).
namespace pathwick::texts {

// Captions of the main window.
inline constexpr auto AllDrivesCaption = " - All drives";
inline constexpr auto DriveCaptionStart = " - Drive ";
inline constexpr auto DriveCaptionEnd = " only";
inline constexpr auto CloseAllCaption = " - Close all directories:";

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
inline constexpr auto HelpOption = "--help";
inline constexpr auto VersionOption = "--version";
inline constexpr auto Usage =
    "Usage: pathwick [REQUEST]\n"
    "\n"
    "Shut the computer down after a delay (5 minutes or more, at most 32,767 hours):\n"
    "  ?HoursMinutes=minutes               pathwick \"?HoursMinutes=90\"\n"
    "  ?HoursMinutes=hours:minutes         pathwick \"?HoursMinutes=1:30\"\n"
    "  ?HoursMinutes=days,hours:minutes    pathwick \"?HoursMinutes=1,2:30\"\n"
    "Shut the computer down at a date and time (5 minutes or more ahead):\n"
    "  ?DateTime=yyyy/mm/dd, H:MM          pathwick \"?DateTime=2030/01/01, 22:30\"\n"
    "  ?DateTime=yyyy/mm/dd, H:MMam/pm     pathwick \"?DateTime=2030/01/01, 10:30pm\"\n"
    "  ?DateTime=H:MM                      pathwick \"?DateTime=9:00\"\n"
    "  ?DateTime=H:MMam/pm                 pathwick \"?DateTime=9:00am\"\n"
    "  (a time alone means its next occurrence at least 5 minutes ahead;\n"
    "   \":\", \"/\", \"\\\" and \"-\" all separate fields, letter case does not matter)\n"
    "Other requests:\n"
    "  #Hidden                             pathwick \"#Hidden\"  (start minimised)\n"
    "  a folder                            pathwick ~/Documents  (add it in the list editor)\n"
    "  --help                              this text\n"
    "  --version                           the version\n";

// The settings store had to be replaced.
inline constexpr auto StoreNoticeTitle = " - Settings:";

} // namespace pathwick::texts
