#include "platform/ShellLauncher.h"
#include "platform/fake/FakePlatform.h"
#include "platform/linux/LinuxShellLauncher.h"

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>

using namespace pathwick::platform;
using pathwick::test::ScopedEnvironment;

namespace {

// Starts programs for real, with the test recorder standing in for the opener: every
// launch adds "sequence TAB arguments" to the record file.
class ShellLauncherTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        const QString recorder = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                                 QStringLiteral("/../support/recorder.sh");
        ASSERT_TRUE(QFileInfo(recorder).isExecutable()) << recorder.toStdString();
        record = scratch.filePath(QStringLiteral("record.txt"));
        environment.set("PATHWICK_OPENER", QFileInfo(recorder).canonicalFilePath().toLocal8Bit());
        environment.set("PATHWICK_RECORD_FILE", record.toLocal8Bit());
        environment.set("XDG_CONFIG_HOME",
                        scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    QString makeScript(const QString& name, const QByteArray& body) {
        const QString path = scratch.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    // The recorded launches in launch order, once `count` of them have arrived.
    QStringList recorded(int count) {
        std::map<int, QString> bySequence;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            bySequence.clear();
            QFile file(record);
            const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            for (const QByteArray& line : text.split('\n')) {
                const qsizetype tab = line.indexOf('\t');
                if (tab > 0)
                    bySequence[line.left(tab).toInt()] = QString::fromUtf8(line.mid(tab + 1));
            }
            if (static_cast<int>(bySequence.size()) >= count)
                break;
            QThread::msleep(20);
        }
        QStringList inOrder;
        int previous = 0;
        for (const auto& [sequence, arguments] : bySequence) {
            if (previous) {
                EXPECT_EQ(sequence, previous + 1) << "launch numbers follow each other";
            }
            previous = sequence;
            inOrder.append(arguments);
        }
        return inOrder;
    }

    QTemporaryDir scratch;
    QString record;
    ScopedEnvironment environment;
    LinuxShellLauncher launcher;
};

} // namespace

TEST_F(ShellLauncherTest, LaunchesKeepTheirOrder) {
    const QString folder = scratch.filePath(QStringLiteral("A folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString notes = scratch.filePath(QStringLiteral("my notes.txt"));
    QFile(notes).open(QIODevice::WriteOnly);
    // Prints its arguments one by one, so grouping and shell characters show.
    const QString program = makeScript(
        QStringLiteral("program"),
        "out=\"$PATHWICK_LAUNCH_SEQUENCE\t\"\nfor a in \"$@\"; do out=\"$out[$a]\"; done\n"
        "printf '%s\\n' \"$out\" >> \"$PATHWICK_RECORD_FILE\"\n");

    EXPECT_EQ(launcher.open(folder, QString(), ShowMode::Normal), ShellResult::Success);
    EXPECT_EQ(launcher.open(QStringLiteral("https://example.org/?a=1&b=$HOME"), QString(),
                            ShowMode::Normal),
              ShellResult::Success);
    EXPECT_EQ(launcher.open(QStringLiteral("shell:RecycleBinFolder"), QString(), ShowMode::Normal),
              ShellResult::Success);
    EXPECT_EQ(launcher.open(QStringLiteral("Notepad.exe"), u'"' + notes + u'"', ShowMode::Normal),
              ShellResult::Success);
    EXPECT_EQ(launcher.open(program, QStringLiteral("\"two words\" $HOME ;echo `id` *"),
                            ShowMode::Minimised),
              ShellResult::Success);
    EXPECT_EQ(launcher.open(QStringLiteral("RegEdit.exe"), QString(), ShowMode::Normal),
              ShellResult::Success);

    const QString autostart = scratch.filePath(QStringLiteral("config/autostart"));
    EXPECT_EQ(recorded(6),
              (QStringList{folder, QStringLiteral("https://example.org/?a=1&b=$HOME"),
                           QStringLiteral("trash:///"), notes,
                           QStringLiteral("[two words][$HOME][;echo][`id`][*]"), autostart}));
    EXPECT_TRUE(QFileInfo(autostart).isDir());
}

TEST_F(ShellLauncherTest, FailuresComeBackAsWindowsCodes) {
    EXPECT_EQ(
        launcher.open(scratch.filePath(QStringLiteral("missing")), QString(), ShowMode::Normal),
        ShellResult::FileNotFound);
    EXPECT_EQ(launcher.open(QStringLiteral("C:\\WINDOWS\\System32\\calc.exe"), QString(),
                            ShowMode::Normal),
              ShellResult::FileNotFound);
    EXPECT_EQ(launcher.open(QStringLiteral("pathwick-no-such-program"), QStringLiteral("-x"),
                            ShowMode::Normal),
              ShellResult::FileNotFound);

    environment.set("PATHWICK_OPENER", scratch.filePath(QStringLiteral("no-opener")).toLocal8Bit());
    EXPECT_EQ(launcher.open(scratch.path(), QString(), ShowMode::Normal),
              ShellResult::NoAssociation);
    EXPECT_FALSE(QFile::exists(record));
}

TEST_F(ShellLauncherTest, TaskManagerIsFoundOnThePath) {
    const QString bin = scratch.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    makeScript(
        QStringLiteral("bin/lxtask"),
        "printf '%s\\tlxtask\\n' \"$PATHWICK_LAUNCH_SEQUENCE\" >> \"$PATHWICK_RECORD_FILE\"\n");
    environment.set("PATH", bin.toLocal8Bit());
    EXPECT_EQ(launcher.open(QStringLiteral("C:\\WINDOWS\\System32\\Taskmgr.exe"), QString(),
                            ShowMode::Normal),
              ShellResult::Success);
    EXPECT_EQ(recorded(1), QStringList{"lxtask"});

    environment.set("PATH", scratch.filePath(QStringLiteral("empty")).toLocal8Bit());
    EXPECT_EQ(launcher.open(QStringLiteral("Taskmgr.exe"), QString(), ShowMode::Normal),
              ShellResult::FileNotFound);
}

TEST_F(ShellLauncherTest, EndingExplorerGoesToTheFolderWindowService) {
    pathwick::platform::fake::FakePlatform fakes;
    EXPECT_EQ(launcher.open(QStringLiteral("taskkill"), QStringLiteral("-f -im explorer.exe"),
                            ShowMode::Minimised),
              ShellResult::Success);
    EXPECT_EQ(fakes.folderWindows->closeAllCalls, 1);
}
