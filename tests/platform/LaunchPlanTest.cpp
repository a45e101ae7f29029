#include "platform/linux/LaunchPlan.h"
#include "platform/ShellLauncher.h"
#include "platform/linux/CommandLineSplit.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using Action = LaunchPlan::Action;

namespace {

// A made-up machine: a few folders, files, programs and a PATH.
LaunchPlan planOnFakeMachine(const QString& target, const QString& parameters) {
    static const QSet<QString> folders{"/home/ann", "-rf"};
    static const QSet<QString> files{"/home/ann/notes.txt", "/home/ann/My Letters/a.txt",
                                     "--help"};
    static const QSet<QString> programFiles{"/opt/tool/run"};
    static const QSet<QString> onPath{"gedit"};
    LaunchEnvironment e;
    e.opener = "opener";
    e.configHome = "/home/ann/.config";
    e.isDirectory = [](const QString& p) { return folders.contains(p); };
    e.isFile = [](const QString& p) { return files.contains(p) || programFiles.contains(p); };
    e.isProgramFile = [](const QString& p) { return programFiles.contains(p); };
    e.findProgram = [](const QString& name) {
        return onPath.contains(name) ? "/usr/bin/" + name : QString();
    };
    return planLaunch(target, parameters, e);
}

// The opener's result when it cannot start: no program for the target.
LaunchPlan opens(const QString& what) {
    return {Action::Start, "opener", {what}, {}, ShellResult::NoAssociation};
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

// Windows rules: blanks separate, quotes group, backslashes count only before a quote. (The
// split fuzz target checks quoting round trips and that without quotes only blanks count.)
TEST(CommandLineSplit, SplitsAsWindowsProgramsReadTheirCommandLine) {
    const struct {
        const char* text;
        QStringList arguments;
    } cases[] = {{"a\"b c\"d\te", {"ab cd", "e"}},
                 {"\"unclosed quote", {"unclosed quote"}},
                 {"\"a \"\"quoted\"\" word\"", {"a \"quoted\" word"}}};
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
        {"  firefox  --new-window  https://x.org ", "firefox", "--new-window  https://x.org "},
        {"\"/opt/My App/run\" \"a b\" `c`;d", "/opt/My App/run", "\"a b\" `c`;d"}};
    for (const auto& c : cases) {
        const ProgramAndParameters split = splitProgram(c.text);
        EXPECT_EQ(split.program, QString::fromUtf8(c.program)) << c.text;
        EXPECT_EQ(split.parameters, QString::fromUtf8(c.parameters)) << c.text;
    }
}

// Nothing goes through a shell: programs start directly with their parameters split.
TEST(LaunchPlan, EveryKindOfTargetAndNamedProgram) {
    const struct {
        const char* target;
        const char* parameters;
        LaunchPlan plan;
    } cases[] = {
        // Documents and URLs go to the opener; parameters are not for it. Whether a document
        // opened is the opener's answer. (The launcher's X tests walk folders, the trash, the
        // task manager, the start-up tool and missing programs end to end.)
        {"/home/ann/notes.txt",
         "-x",
         {Action::StartAndAsk, "opener", {"/home/ann/notes.txt"}, {}, ShellResult::NoAssociation}},
        {"https://example.org/a b", "", opens("https://example.org/a b")},
        {"/opt/tool/run", "\"two words\" -v $HOME;x",
         starts("/opt/tool/run", {"two words", "-v", "$HOME;x"}, ShellResult::AccessDenied)},
        {"gedit", "/home/ann/notes.txt",
         starts("/usr/bin/gedit", {"/home/ann/notes.txt"}, ShellResult::FileNotFound)},
        // Shell locations and the Windows programs the program names, in any case.
        {"TaskKill.exe", "/F /IM Explorer.EXE", just(Action::CloseFolderWindows)},
        {"taskkill", "-f -im RegEdit.exe", just(Action::Nothing)},
        {"taskkill", "-f -im firefox.exe", fails(ShellResult::FileNotFound)},
        {"C:\\WINDOWS\\explorer.exe", "", just(Action::Nothing)},
        {"explorer.exe", "/home/ann", opens("/home/ann")},
        {"\\Notepad.exe", "\"/home/ann/My Letters/a.txt\"", opens("/home/ann/My Letters/a.txt")},
        // Relative names in the working folder reach the opener as absolute paths, never as
        // its options.
        {"-rf", "", opens(QDir::current().absoluteFilePath("-rf"))},
        {"explorer", "--help", opens(QDir::current().absoluteFilePath("--help"))},
        // Missing things and Windows paths are not found, nor a command line as the target.
        {"", "", fails(ShellResult::FileNotFound)},
        {"gedit /home/ann/notes.txt", "", fails(ShellResult::FileNotFound)}};
    for (const auto& c : cases) {
        EXPECT_EQ(describe(planOnFakeMachine(c.target, c.parameters)), describe(c.plan))
            << c.target << " " << c.parameters;
    }
}
