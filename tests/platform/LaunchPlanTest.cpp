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
    QSet<QString> folders{QStringLiteral("/home/ann"), QStringLiteral("/media/usb stick")};
    QSet<QString> files{QStringLiteral("/home/ann/notes.txt"),
                        QStringLiteral("/home/ann/My Letters/a.txt"),
                        QStringLiteral("/opt/tool/run"), QStringLiteral("/opt/win/notepad.exe")};
    QSet<QString> programFiles{QStringLiteral("/opt/tool/run"),
                               QStringLiteral("/opt/win/notepad.exe")};
    QSet<QString> onPath{QStringLiteral("gedit"), QStringLiteral("xfce4-taskmanager"),
                         QStringLiteral("lxtask")};

    LaunchEnvironment environment() const {
        LaunchEnvironment e;
        e.opener = QStringLiteral("opener");
        e.configHome = QStringLiteral("/home/ann/.config");
        e.isDirectory = [this](const QString& p) { return folders.contains(p); };
        e.isFile = [this](const QString& p) { return files.contains(p); };
        e.isProgramFile = [this](const QString& p) { return programFiles.contains(p); };
        e.findProgram = [this](const QString& name) {
            return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
        return e;
    }
    LaunchPlan plan(const QString& target, const QString& parameters = {}) const {
        return planLaunch(target, parameters, environment());
    }
};

void expectOpens(const LaunchPlan& plan, const QString& what) {
    EXPECT_EQ(plan.action, Action::Start);
    EXPECT_EQ(plan.program, QStringLiteral("opener"));
    EXPECT_EQ(plan.arguments, QStringList{what});
    EXPECT_EQ(plan.result, ShellResult::NoAssociation) << "an opener that cannot start";
}

void expectFails(const LaunchPlan& plan, int result) {
    EXPECT_EQ(plan.action, Action::Fail);
    EXPECT_EQ(plan.result, result);
}

} // namespace

TEST(CommandLineSplit, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(splitCommandLine(QString()), QStringList());
    EXPECT_EQ(splitCommandLine(QStringLiteral("  \t ")), QStringList());
    EXPECT_EQ(splitCommandLine(QStringLiteral("-f -im  explorer.exe")),
              (QStringList{"-f", "-im", "explorer.exe"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("\"C:\\My Files\\a.txt\" -x")),
              (QStringList{"C:\\My Files\\a.txt", "-x"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("a\"b c\"d\te")), (QStringList{"ab cd", "e"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("\"\" x")), (QStringList{"", "x"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("\"unclosed quote")), QStringList{"unclosed quote"});
}

TEST(CommandLineSplit, BackslashesOnlyMatterBeforeQuotes) {
    EXPECT_EQ(splitCommandLine(QStringLiteral("C:\\dir\\file \\\\server\\share")),
              (QStringList{"C:\\dir\\file", "\\\\server\\share"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("say\\\"hi\\\"")), QStringList{"say\"hi\""});
    EXPECT_EQ(splitCommandLine(QStringLiteral("\"C:\\dir\\\\\" next")),
              (QStringList{"C:\\dir\\", "next"}));
    EXPECT_EQ(splitCommandLine(QStringLiteral("\"a \"\"quoted\"\" word\"")),
              QStringList{"a \"quoted\" word"});
}

TEST(CommandLineSplit, ShellCharactersStayPlainText) {
    EXPECT_EQ(splitCommandLine(QStringLiteral("$HOME;rm *|x `y` &")),
              (QStringList{"$HOME;rm", "*|x", "`y`", "&"}));
}

TEST(LaunchPlan, FoldersDocumentsAndUrlsGoToTheOpener) {
    const FakeMachine machine;
    expectOpens(machine.plan(QStringLiteral("/home/ann")), QStringLiteral("/home/ann"));
    expectOpens(machine.plan(QStringLiteral("/media/usb stick")),
                QStringLiteral("/media/usb stick"));
    expectOpens(machine.plan(QStringLiteral("/home/ann/notes.txt"), QStringLiteral("-x")),
                QStringLiteral("/home/ann/notes.txt"));
    expectOpens(machine.plan(QStringLiteral("https://example.org/a b")),
                QStringLiteral("https://example.org/a b"));
    expectOpens(machine.plan(QStringLiteral("mailto:ann@example.org")),
                QStringLiteral("mailto:ann@example.org"));
}

TEST(LaunchPlan, ProgramsStartWithTheirParametersSplit) {
    const FakeMachine machine;
    LaunchPlan plan =
        machine.plan(QStringLiteral("/opt/tool/run"), QStringLiteral("\"two words\" -v $HOME"));
    EXPECT_EQ(plan.action, Action::Start);
    EXPECT_EQ(plan.program, QStringLiteral("/opt/tool/run"));
    EXPECT_EQ(plan.arguments, (QStringList{"two words", "-v", "$HOME"}));

    plan = machine.plan(QStringLiteral("gedit"), QStringLiteral("/home/ann/notes.txt"));
    EXPECT_EQ(plan.action, Action::Start);
    EXPECT_EQ(plan.program, QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(plan.arguments, QStringList{"/home/ann/notes.txt"});
    EXPECT_EQ(plan.result, ShellResult::FileNotFound);

    // A Linux program that merely carries a Windows name is run, not mapped.
    plan = machine.plan(QStringLiteral("/opt/win/notepad.exe"));
    EXPECT_EQ(plan.action, Action::Start);
    EXPECT_EQ(plan.program, QStringLiteral("/opt/win/notepad.exe"));
}

TEST(LaunchPlan, MissingThingsAndWindowsPathsAreNotFound) {
    const FakeMachine machine;
    expectFails(machine.plan(QString()), ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("/home/ann/gone.txt")), ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("no-such-program"), QStringLiteral("-x")),
                ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("C:\\Users\\Ann\\Documents")),
                ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("D:")), ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("\\\\server\\share\\folder")),
                ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("C:\\Apps\\Lampwatch.exe")), ShellResult::FileNotFound);
    // A command line given as the target names a file that does not exist.
    expectFails(machine.plan(QStringLiteral("gedit /home/ann/notes.txt")),
                ShellResult::FileNotFound);
}

TEST(LaunchPlan, ShellLocationsMapToDesktopLocations) {
    const FakeMachine machine;
    expectOpens(machine.plan(QStringLiteral("shell:RecycleBinFolder")),
                QStringLiteral("trash:///"));
    expectOpens(machine.plan(QStringLiteral("SHELL:recyclebinfolder")),
                QStringLiteral("trash:///"));
    expectOpens(machine.plan(QStringLiteral("shell:NetworkPlacesFolder")),
                QStringLiteral("network:///"));
    expectOpens(machine.plan(QStringLiteral("shell:NetworkPlacesFolder\\")),
                QStringLiteral("network:///"));
    expectFails(machine.plan(QStringLiteral("shell:Startup")), ShellResult::NoAssociation);
}

TEST(LaunchPlan, EndingTheFileManagerClosesFolderWindows) {
    const FakeMachine machine;
    EXPECT_EQ(
        machine.plan(QStringLiteral("taskkill"), QStringLiteral("-f -im explorer.exe")).action,
        Action::CloseFolderWindows);
    EXPECT_EQ(
        machine.plan(QStringLiteral("TaskKill.exe"), QStringLiteral("/F /IM Explorer.EXE")).action,
        Action::CloseFolderWindows);
    EXPECT_EQ(machine.plan(QStringLiteral("taskkill"), QStringLiteral("-f -im RegEdit.exe")).action,
              Action::Nothing);
    expectFails(machine.plan(QStringLiteral("taskkill"), QStringLiteral("-f -im firefox.exe")),
                ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("taskkill"), QStringLiteral("-im explorer.exe.bak")),
                ShellResult::FileNotFound);

    EXPECT_EQ(machine.plan(QStringLiteral("C:\\WINDOWS\\explorer.exe")).action, Action::Nothing);
    expectOpens(machine.plan(QStringLiteral("explorer.exe"), QStringLiteral("/home/ann")),
                QStringLiteral("/home/ann"));
}

TEST(LaunchPlan, NotepadOpensItsFileWithTheOpener) {
    const FakeMachine machine;
    expectOpens(machine.plan(QStringLiteral("Notepad.exe"), QStringLiteral("/home/ann/notes.txt")),
                QStringLiteral("/home/ann/notes.txt"));
    expectOpens(machine.plan(QStringLiteral("\\Notepad.exe"),
                             QStringLiteral("\"/home/ann/My Letters/a.txt\"")),
                QStringLiteral("/home/ann/My Letters/a.txt"));
    expectOpens(machine.plan(QStringLiteral("C:\\WINDOWS\\NOTEPAD.EXE"),
                             QStringLiteral("/home/ann/notes.txt")),
                QStringLiteral("/home/ann/notes.txt"));
    expectFails(machine.plan(QStringLiteral("Notepad.exe"), QStringLiteral("/home/ann/gone.txt")),
                ShellResult::FileNotFound);
    expectFails(machine.plan(QStringLiteral("Notepad.exe")), ShellResult::FileNotFound);
}

TEST(LaunchPlan, TaskManagerIsTheFirstInstalledSystemMonitor) {
    FakeMachine machine;
    LaunchPlan plan = machine.plan(QStringLiteral("C:\\WINDOWS\\System32\\Taskmgr.exe"));
    EXPECT_EQ(plan.action, Action::Start);
    EXPECT_EQ(plan.program, QStringLiteral("/usr/bin/xfce4-taskmanager"));
    EXPECT_TRUE(plan.arguments.isEmpty());

    machine.onPath.insert(QStringLiteral("gnome-system-monitor"));
    EXPECT_EQ(machine.plan(QStringLiteral("taskmgr")).program,
              QStringLiteral("/usr/bin/gnome-system-monitor"));

    machine.onPath.clear();
    expectFails(machine.plan(QStringLiteral("Taskmgr.exe")), ShellResult::FileNotFound);
}

TEST(LaunchPlan, StartupSettingsOpenTheAutostartFolder) {
    const FakeMachine machine;
    for (const QString& target : {QStringLiteral("RegEdit.exe"), QStringLiteral("regedit"),
                                  QStringLiteral("ms-settings:startupapps")}) {
        const LaunchPlan plan = machine.plan(target);
        expectOpens(plan, QStringLiteral("/home/ann/.config/autostart"));
        EXPECT_EQ(plan.folderToCreate, QStringLiteral("/home/ann/.config/autostart"))
            << target.toStdString();
    }
    // Other settings pages are URLs for the opener like any other.
    expectOpens(machine.plan(QStringLiteral("ms-settings:display")),
                QStringLiteral("ms-settings:display"));
}
