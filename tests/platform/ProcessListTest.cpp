#include "platform/linux/ProcProcessList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

TEST(ProcessList, RealListHoldsThisProgramOnce) {
    ProcProcessList processes;
    const std::optional<QStringList> names = processes.executableNames();
    ASSERT_TRUE(names.has_value());
    const QString me = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_GE(names->count(me), 1);
    for (const QString& name : *names) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(name.contains(u'/')) << name.toStdString();
    }
}

TEST(ProcessList, WalksProcessesInNumericOrderAndSkipsUnreadableOnes) {
    QTemporaryDir proc;
    ASSERT_TRUE(proc.isValid());
    const auto addProcess = [&](const QString& pid, const QString& exe) {
        ASSERT_TRUE(QDir(proc.path()).mkdir(pid));
        if (!exe.isEmpty()) {
            ASSERT_TRUE(QFile::link(exe, proc.path() + u'/' + pid + QStringLiteral("/exe")));
        }
    };
    addProcess(QStringLiteral("300"), QStringLiteral("/usr/bin/third"));
    addProcess(QStringLiteral("10"), QStringLiteral("/usr/bin/second"));
    addProcess(QStringLiteral("2"), QStringLiteral("/opt/first (deleted)"));
    addProcess(QStringLiteral("55"), QString()); // a kernel thread: no executable
    addProcess(QStringLiteral("self"), QStringLiteral("/usr/bin/not-a-process"));

    ProcProcessList processes(proc.path());
    EXPECT_EQ(processes.executableNames(), (QStringList{"first", "second", "third"}));
}

TEST(ProcessList, NothingWhenTheListCannotBeTaken) {
    ProcProcessList processes(QStringLiteral("/nonexistent/proc"));
    EXPECT_FALSE(processes.executableNames().has_value());
}

TEST(ProcessList, BaseNameOfAnExecutableLink) {
    EXPECT_EQ(executableBaseName(QStringLiteral("/usr/bin/pathwick")), QStringLiteral("pathwick"));
    EXPECT_EQ(executableBaseName(QStringLiteral("/tmp/old build/pathwick (deleted)")),
              QStringLiteral("pathwick"));
    EXPECT_EQ(executableBaseName(QStringLiteral("/opt/a (deleted) b")),
              QStringLiteral("a (deleted) b"));
}
