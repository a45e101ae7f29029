#include "platform/ShellLauncher.h"
#include "platform/linux/LinuxShellLauncher.h"

#include "support/LaunchRecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using pathwick::test::LaunchRecorder;
using pathwick::test::ScopedEnvironment;

namespace {

// Starts programs for real, with the test recorder standing in for the opener: every
// launch adds "sequence TAB arguments" to the record file.
class ShellLauncherTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(LaunchRecorder::program()).isExecutable());
        environment.set("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath("config")));
    }

    // A program that records its name and arguments.
    QString makeProgram(const QString& name) {
        const QString path = scratch.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nout=${0##*/}\nfor a in \"$@\"; do out=\"$out[$a]\"; done\n"
                   "printf '%s\\t%s\\n' \"$PATHWICK_LAUNCH_SEQUENCE\" \"$out\" >> "
                   "\"$PATHWICK_RECORD_FILE\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir scratch;
    LaunchRecorder recorder;
    ScopedEnvironment environment;
    LinuxShellLauncher launcher;
};

} // namespace

// Each way of launching reaches its program on this machine, in the order asked for.
TEST_F(ShellLauncherTest, LaunchesKeepTheirOrder) {
    const QString folder = scratch.filePath("A folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("bin")));
    makeProgram("bin/lxtask");
    environment.set("PATH", QFile::encodeName(scratch.filePath("bin")));
    const QString program = makeProgram("my program");

    const QString autostart = scratch.filePath("config/autostart");
    const struct {
        QString target;
        QString parameters;
        QString recorded;
    } launches[] = {
        {folder, "", folder},
        {"shell:RecycleBinFolder", "", "trash:///"},
        {"C:\\WINDOWS\\System32\\Taskmgr.exe", "", "lxtask"},
        {"RegEdit.exe", "", autostart},
        // A hot key's command: its parameters reach the program as written, through no shell.
        {program, "--flag \"two words\" ;echo $(id)",
         "my program[--flag][two words][;echo][$(id)]"}};
    QStringList expected;
    for (const auto& launch : launches) {
        EXPECT_EQ(launcher.open(launch.target, launch.parameters, ShowMode::Minimised),
                  ShellResult::Success)
            << launch.target.toStdString();
        expected.append(launch.recorded);
    }
    EXPECT_EQ(recorder.launches(expected.size()), expected);
    EXPECT_TRUE(QFileInfo(autostart).isDir());
}

TEST_F(ShellLauncherTest, FailuresComeBackAsWindowsCodes) {
    environment.set("PATH", QFile::encodeName(scratch.filePath("empty")));
    for (const QString& target : {scratch.filePath("missing"), QString("Taskmgr.exe")})
        EXPECT_EQ(launcher.open(target, "-x", ShowMode::Normal), ShellResult::FileNotFound)
            << target.toStdString();
    environment.set("PATHWICK_OPENER", QFile::encodeName(scratch.filePath("no-opener")));
    // Without an opener neither a folder nor the trash counts as opened.
    for (const QString& target : {scratch.path(), QString("shell:RecycleBinFolder")})
        EXPECT_EQ(launcher.open(target, QString(), ShowMode::Normal), ShellResult::NoAssociation)
            << target.toStdString();
    EXPECT_FALSE(QFile::exists(recorder.file()));
}
