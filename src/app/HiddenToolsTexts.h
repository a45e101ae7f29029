#pragma once

// Every text of the companion program launcher and the hidden tools menu, in one place.
namespace pathwick::hidden_texts {

// The companion program, in the program's folder ("Lampwatch.exe" on Windows).
inline constexpr auto CompanionName = "lampwatch";
inline constexpr auto LoadQuestion = "Do you want to load";
inline constexpr auto LoadQuestionEnd = " ?";
inline constexpr auto LoadHeading = "Load Lampwatch:";
inline constexpr auto LoadButtons = "&Yes|&No";
inline constexpr auto MissingCaption = " can't find ";
inline constexpr auto MissingCantFind = "Can't find or load ";
inline constexpr auto MissingPlease = "Plesae check that ";
inline constexpr auto MissingSameDirectory = " is in the same directory as ";
inline constexpr auto MissingTheStart = "The ";
inline constexpr auto MissingDirectoryIs = " directory is;";
inline constexpr auto MissingHeadingStart = "Can't find ";
inline constexpr auto MissingHeadingEnd = ".";
inline constexpr auto MissingButtons = "&Open directory|&Close window only";

// The task manager: the desktop's system monitor.
inline constexpr auto TaskManagerCaption = " - Load Task Manager:";
inline constexpr auto TaskManagerQuestion = "Load and run the Windows Task Manager?";
inline constexpr auto TaskManagerHeading = "Load the Windows Task Manager?        ";
inline constexpr auto TaskManagerButtons = "&Load it|Not &now";
inline constexpr auto TaskManagerProgram = "C:\\WINDOWS\\System32\\Taskmgr.exe";
inline constexpr auto NoSystemMonitorTitle = " - Task Manager:";
inline constexpr auto NoSystemMonitor =
    "No system monitor was found on this computer.\r\n\r\n"
    "Install the one of your desktop (for example gnome-system-monitor, "
    "plasma-systemmonitor, xfce4-taskmanager, mate-system-monitor or lxtask) and try again.";

// The to-do list.
inline constexpr auto ToDoTitle = " - Things to do:";
inline constexpr auto ToDoHeading = "Things to do list:";
inline constexpr auto ToDoVersion = "(Version ";
inline constexpr const char* ToDoLines[] = {
    "Not tested with Windows 95", "Not tested with Windows XP", "Works with Windows 7",
    "Works with Windows 8",       "Works with Windows 8.1",     "Works with Windows 10",
    "Not tested with Windows 11", "Not tested with Windows 12"};
inline constexpr auto ToDoLast = "Edit code that checks if a Shutdown is running.";

// The running-copies self-test.
inline constexpr auto SelfTestThisApp = "This app is; ";
inline constexpr auto SelfTestOk = "OK :o)";
inline constexpr auto SelfTestNotOne = " is <>1 :o(";

} // namespace pathwick::hidden_texts
