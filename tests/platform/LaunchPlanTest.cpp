#include "platform/linux/LaunchPlan.h"
#include "platform/ShellLauncher.h"
#include "platform/linux/CommandLineSplit.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using Action = LaunchPlan::Action;

namespace {

// A made-up machine: a few folders, files, programs and a PATH.
struct FakeMachine {
    QSet<QString> folders{"/home/ann"};
    QSet<QString> files{"/home/ann/notes.txt", "/home/ann/My Letters/a.txt"};
    QSet<QString> programFiles{"/opt/tool/run", "/opt/win/notepad.exe"};
    QSet<QString> onPath{"gedit", "xfce4-taskmanager", "lxtask"};

    LaunchPlan plan(const QString& target, const QString& parameters = {}) const {
        LaunchEnvironment e;
        e.opener = "opener";
        e.configHome = "/home/ann/.config";
        e.isDirectory = [this](const QString& p) { return folders.contains(p); };
        e.isFile = [this](const QString& p) {
            return files.contains(p) || programFiles.contains(p);
        };
        e.isProgramFile = [this](const QString& p) { return programFiles.contains(p); };
        e.findProgram = [this](const QString& name) {
            return onPath.contains(name) ? "/usr/bin/" + name : QString();
        };
        return planLaunch(target, parameters, e);
    }
};

// The opener's result when it cannot start: no program for the target.
LaunchPlan opens(const QString& what, const QString& folderToCreate = {}) {
    return {Action::Start, "opener", {what}, folderToCreate, ShellResult::NoAssociation};
}
LaunchPlan asks(const QString& place) {
    return {Action::StartAndAsk, "opener", {place}, {}, ShellResult::NoAssociation};
}
LaunchPlan starts(const QString& program, const QStringList& arguments, int result) {
    return {Action::Start, program, arguments, {}, result};
}
LaunchPlan fails(int result) {
    return {Action::Fail, {}, {}, {}, result};
}
LaunchPlan just(Action action) {
    return {action, {}, {}, {}, 0};
}

std::string describe(const LaunchPlan& plan) {
    return QString("action %1: %2 [%3] folder %4 result %5")
        .arg(int(plan.action))
        .arg(plan.program, plan.arguments.join("] ["), plan.folderToCreate)
        .arg(plan.result)
        .toStdString();
}

} // namespace

// Windows rules: blanks separate, quotes group, backslashes count only before a quote; no
// shell character means anything.
TEST(CommandLineSplit, SplitsAsWindowsProgramsReadTheirCommandLine) {
    const struct {
        const char* text;
        QStringList arguments;
    } cases[] = {{"", {}},
                 {"  \t ", {}},
                 {"-f -im  explorer.exe", {"-f", "-im", "explorer.exe"}},
                 {"\"C:\\My Files\\a.txt\" -x", {"C:\\My Files\\a.txt", "-x"}},
                 {"a\"b c\"d\te", {"ab cd", "e"}},
                 {"\"\" x", {"", "x"}},
                 {"\"unclosed quote", {"unclosed quote"}},
                 {"C:\\dir\\file \\\\server\\share", {"C:\\dir\\file", "\\\\server\\share"}},
                 {"say\\\"hi\\\"", {"say\"hi\""}},
                 {"\"C:\\dir\\\\\" next", {"C:\\dir\\", "next"}},
                 {"\"a \"\"quoted\"\" word\"", {"a \"quoted\" word"}},
                 {"$HOME;rm *|x `y` &", {"$HOME;rm", "*|x", "`y`", "&"}}};
    for (const auto& c : cases)
        EXPECT_EQ(splitCommandLine(c.text), c.arguments) << c.text;
}

// The program is read by the same rules; the rest stays as written, for splitting later.
TEST(CommandLineSplit, ProgramAndTheRest) {
    const struct {
        const char* text;
        const char* program;
        const char* parameters;
    } cases[] = {
        {"", "", ""},
        {"   ", "", ""},
        {"gedit", "gedit", ""},
        {"  firefox  --new-window  https://x.org ", "firefox", "--new-window  https://x.org "},
        {"\"/opt/My App/run\" \"a b\" c", "/opt/My App/run", "\"a b\" c"},
        {"a\"b c\"d;e `f`", "ab cd;e", "`f`"}};
    for (const auto& c : cases) {
        const ProgramAndParameters split = splitProgram(c.text);
        EXPECT_EQ(split.program, QString::fromUtf8(c.program)) << c.text;
        EXPECT_EQ(split.parameters, QString::fromUtf8(c.parameters)) << c.text;
    }
}

TEST(LaunchPlan, EveryKindOfTargetAndNamedProgram) {
    const QString autostart = "/home/ann/.config/autostart";
    const struct {
        const char* target;
        const char* parameters;
        LaunchPlan plan;
    } cases[] = {
        // Folders, documents and URLs go to the opener; parameters are not for it. Whether a
        // document opened is the opener's answer.
        {"/home/ann", "", opens("/home/ann")},
        {"/home/ann/notes.txt", "-x", asks("/home/ann/notes.txt")},
        {"https://example.org/a b", "", opens("https://example.org/a b")},
        {"mailto:ann@example.org", "", opens("mailto:ann@example.org")},
        {"ms-settings:display", "", opens("ms-settings:display")},
        // Programs start directly, their parameters split; a Windows name on Linux is run.
        {"/opt/tool/run", "\"two words\" -v $HOME",
         starts("/opt/tool/run", {"two words", "-v", "$HOME"}, ShellResult::AccessDenied)},
        {"gedit", "/home/ann/notes.txt",
         starts("/usr/bin/gedit", {"/home/ann/notes.txt"}, ShellResult::FileNotFound)},
        {"/opt/win/notepad.exe", "", starts("/opt/win/notepad.exe", {}, ShellResult::AccessDenied)},
        // Shell locations and the Windows programs the program names.
        {"shell:RecycleBinFolder", "", asks("trash:///")},
        {"SHELL:recyclebinfolder", "", asks("trash:///")},
        {"shell:NetworkPlacesFolder", "", opens("network:///")},
        {"shell:NetworkPlacesFolder\\", "", opens("network:///")},
        {"shell:Startup", "", fails(ShellResult::NoAssociation)},
        {"taskkill", "-f -im explorer.exe", just(Action::CloseFolderWindows)},
        {"TaskKill.exe", "/F /IM Explorer.EXE", just(Action::CloseFolderWindows)},
        {"taskkill", "-f -im RegEdit.exe", just(Action::Nothing)},
        {"taskkill", "-f -im firefox.exe", fails(ShellResult::FileNotFound)},
        {"taskkill", "-im explorer.exe.bak", fails(ShellResult::FileNotFound)},
        {"C:\\WINDOWS\\explorer.exe", "", just(Action::Nothing)},
        {"explorer.exe", "/home/ann", opens("/home/ann")},
        {"Notepad.exe", "/home/ann/notes.txt", opens("/home/ann/notes.txt")},
        {"\\Notepad.exe", "\"/home/ann/My Letters/a.txt\"", opens("/home/ann/My Letters/a.txt")},
        {"C:\\WINDOWS\\NOTEPAD.EXE", "/home/ann/notes.txt", opens("/home/ann/notes.txt")},
        {"Notepad.exe", "/home/ann/gone.txt", fails(ShellResult::FileNotFound)},
        {"Notepad.exe", "", fails(ShellResult::FileNotFound)},
        {"C:\\WINDOWS\\System32\\Taskmgr.exe", "",
         starts("/usr/bin/xfce4-taskmanager", {}, ShellResult::FileNotFound)},
        {"RegEdit.exe", "", opens(autostart, autostart)},
        {"regedit", "", opens(autostart, autostart)},
        {"ms-settings:startupapps", "", opens(autostart, autostart)},
        // Missing things and Windows paths are not found, nor a command line as the target.
        {"", "", fails(ShellResult::FileNotFound)},
        {"/home/ann/gone.txt", "", fails(ShellResult::FileNotFound)},
        {"no-such-program", "-x", fails(ShellResult::FileNotFound)},
        {"C:\\Users\\Ann\\Documents", "", fails(ShellResult::FileNotFound)},
        {"D:", "", fails(ShellResult::FileNotFound)},
        {"\\\\server\\share\\folder", "", fails(ShellResult::FileNotFound)},
        {"gedit /home/ann/notes.txt", "", fails(ShellResult::FileNotFound)}};
    const FakeMachine machine;
    for (const auto& c : cases) {
        EXPECT_EQ(describe(machine.plan(c.target, c.parameters)), describe(c.plan))
            << c.target << " " << c.parameters;
    }
}

TEST(LaunchPlan, TaskManagerIsTheFirstInstalledSystemMonitor) {
    FakeMachine machine;
    machine.onPath.insert("gnome-system-monitor");
    EXPECT_EQ(machine.plan("taskmgr").program, "/usr/bin/gnome-system-monitor");
    machine.onPath.clear();
    EXPECT_EQ(describe(machine.plan("Taskmgr.exe")), describe(fails(ShellResult::FileNotFound)));
}

TEST(LaunchPlan, StartupAppsIsTheDesktopsToolOrElseTheAutostartFolder) {
    FakeMachine machine;
    machine.onPath.insert("kcmshell5");
    EXPECT_EQ(describe(machine.plan("ms-settings:startupapps")),
              describe(starts("/usr/bin/kcmshell5", {"autostart"}, ShellResult::FileNotFound)));
    machine.onPath.insert("xfce4-session-settings");
    EXPECT_EQ(describe(machine.plan("MS-Settings:StartupApps")),
              describe(starts("/usr/bin/xfce4-session-settings", {}, ShellResult::FileNotFound)));
}
