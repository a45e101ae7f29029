#pragma once

// Every text the shutdown work shows, writes or passes to the system, in one place.
namespace pathwick::shutdown_texts {

inline constexpr auto CrLf = "\r\n";
inline constexpr auto NoShutdownTime = "--:--";

// The parameters of the system's shutdown command, as they are built for every system.
inline constexpr auto AbortParameters = "-a";
inline constexpr auto HelpParameters = "/?";
inline constexpr auto PowerOffParameter = "-s";
inline constexpr auto RestartParameter = "-r";
inline constexpr auto ForceParameter = " -f";
inline constexpr auto DelayParameter = " -t ";
inline constexpr auto CommentStart = " -c \"";
inline constexpr auto CommentInOneHour = "Computer shutdown in one hour";
inline constexpr auto CommentInHoursStart = "Computer shutdown in ";
inline constexpr auto CommentInHoursEnd = " hours";
inline constexpr auto CommentAnd = " and ";
inline constexpr auto CommentMinute = " minute";
inline constexpr auto CommentAt = " at ";
inline constexpr auto DataLost = "Unsaved data will be lost.";
inline constexpr auto DataAsked = "Shutdown will stop if unsaved data found.";

// The warning sign's tool tip.
inline constexpr auto ToolTipStart = "Computer shutdown";
inline constexpr auto ToolTipAt = "at ";
inline constexpr auto ToolTipDataLost = "Unsave data will be lost.";
inline constexpr auto ToolTipDataAsked = "Won't shutdown if unsave data found.";

// The name of the help file.
inline constexpr auto HelpFileName = "ShutdownHelp.txt";

// The abort.
inline constexpr auto Aborted = "aborted";
inline constexpr auto AbortedText = "Computer shutdown has been aborted.";
inline constexpr auto AbortedTitle = " - Computer shutdown aborted.";
inline constexpr auto AbortFailedTitle = " - Computer shutdown not aborted:";
inline constexpr auto AbortFailedText = "The system did not cancel its shutdown:";

// A shutdown command the system refused.
inline constexpr auto RefusedTitle = " - Computer shutdown refused:";
inline constexpr auto RefusedText = "The system refused the computer shutdown:";
inline constexpr auto RefusedNothingStarted = "No shutdown has been started.";
inline constexpr auto FinalRefusedText = "The system refused to shut the computer down now:";
inline constexpr auto CommandMissing = "The shutdown command \"%1\" could not be started: %2";
inline constexpr auto CommandTimedOut = "The shutdown command \"%1\" did not finish within %2 seconds.";
inline constexpr auto CommandExitCode = "The shutdown command \"%1\" ended with exit code %2.";
inline constexpr auto UnknownParameter = "Unknown shutdown parameter \"%1\".";
inline constexpr auto MissingDelay = "The shutdown parameter -t needs a number of seconds.";

// The start-up question when the system already has a shutdown pending.
inline constexpr auto PendingCaption = " - Shutdown /a";
inline constexpr auto PendingMessage =
    "Note:\r\nA sysyem shutdown is already running.\r\n"
    "This program is set to use the shutdown timer when it's running.\r\n"
    "The computer will shutdown when the first of the two timers end.\r\n\r\n"
    "Do you wish to cancel the system shutdown?\r\n(Yes is recomended to stop system timer)";
inline constexpr auto PendingTitle = "System shutdown is already running.";
inline constexpr auto PendingButtons = "&Yes|&Ignore";
inline constexpr int PendingButtonWidth = 1335;

// The menu.
inline constexpr auto TimeStringSelect = "Shutdown a&t [Select date/time]";
inline constexpr auto TimeStringStart = "Shutdown ";
inline constexpr auto RebootTimeStringStart = "Shutdown at ";
inline constexpr auto UserTimeStart = "Shut&down in ";
inline constexpr auto UserTimeHours = " hours";
inline constexpr auto UserTimeNotSet = "Shutdown user value not set";
inline constexpr auto UserTimeOneHour = "Shutdown in 1 hour";
inline constexpr auto UserTimeAnd = " and ";
inline constexpr auto UserTimeMin = "min.";
inline constexpr auto UserTimeMins = "mins.";
inline constexpr auto UserTimeSeeOptions = " (See options)";
inline constexpr auto DisplayOff = "Shutdown timer is off";
inline constexpr auto DisplayMinutes = " minutes untli ";
inline constexpr auto AtTimeCaption = " - Shutdown computer at:";
inline constexpr auto OptionsCaption = " - Computer shutdown options:";

// Closing the main window while counting down.
inline constexpr auto CloseWarningTitle = " - Close warning: ";
inline constexpr auto CloseWarningStart = "Warning:";
inline constexpr auto CloseWarningTimer = " has a shutdown computer timer running.";
inline constexpr auto CloseWarningNotOff =
    "If you close this program, the computer will not turn off at; ";
inline constexpr auto CloseWarningQuestion = "Are you sure you wish to close this application?";

// The last minute.
inline constexpr auto LastMinuteText = "Shutting down this computer.\r\n\r\n"
                                       "Click on Shutdown - Shutdown abort\r\n"
                                       "or press Shift+Delete keys to abort computer shutdown.";
inline constexpr auto LastMinuteFont = "Arial";
inline constexpr int LastMinuteFontSize = 24;
inline constexpr auto NormalFont = "MS Sans Serif";
inline constexpr int NormalFontSize = 8;

// The shutdown help.
inline constexpr auto HelpNoteTitle = " - Shutdown /?";
inline constexpr auto HelpNoteText = "Note:\r\nYou can also display this information in a CMD window.\r\n"
                                     "Open/run CMD.exe and type:\r\n\tShutdown /?";

// Requests on the command line.
inline constexpr auto SyntaxTitle = " - Syntax error:";
inline constexpr auto DelaySyntax = "Format:\r\n\t?HoursMinutes=minutes\r\n"
                                    "or\t?HoursMinutes=hours:minutes\r\n"
                                    "or\t?HoursMinutes=days,hours:minutes\r\n\r\n"
                                    "See the help file for more information.";
inline constexpr auto TooSoonTitle = " - Time too soon:";
inline constexpr auto TooSoonText = "Value too small.\r\nTime value must be 5 minutes or longer.\r\n\r\n"
                                    "See the help file for more information.";
inline constexpr auto TooLongTitle = " - Time too long:";
inline constexpr auto TooLongText = "Value too large.\r\nTime value must be 32,767 hours or less.\r\n\r\n"
                                    "See the help file for more information.";
inline constexpr auto DateTooSoonTitle = " - Date/time too soon, expired or invalid:";
inline constexpr auto DateTooSoonText = "Date and time too soon or expired or invalid value.\r\n"
                                        "The date and time must be 5 minutes or more in the future.\r\n";
inline constexpr auto DateSeeHelp = "See the help file for more information.";
inline constexpr auto ErrorNumber = "Error: ";
inline constexpr auto OverflowError = "Overflow";
inline constexpr int OverflowErrorNumber = 6;
inline constexpr auto NoSuchDateError = "There is no date %1/%2/%3";
inline constexpr int NoSuchDateErrorNumber = 5;
inline constexpr auto DateSyntaxStart = "Format:\r\n\t?DateTime=yyyy/mm/dd, H:MM\r\n"
                                        "or\t?DateTime=yyyy/mm/dd, H:MMam/pm\r\n"
                                        "or\t?DateTime=H:MM\r\n"
                                        "or\t?DateTime=H:MMam/pm\r\n\r\n";
inline constexpr auto DateSyntaxEnd = " is an invalid value.\r\n\r\nSee the help file for more information.";

} // namespace pathwick::shutdown_texts
