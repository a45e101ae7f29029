#include "platform/linux/ProcProcessList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

TEST(ProcessList, RealListHoldsThisProgramByItsFileName) {
    const std::optional<QStringList> names = ProcProcessList().executableNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_GE(names->count(QFileInfo(QCoreApplication::applicationFilePath()).fileName()), 1);
    for (const QString& name : *names)
        EXPECT_TRUE(!name.isEmpty() && !name.contains(u'/')) << name.toStdString();
    EXPECT_FALSE(ProcProcessList("/nonexistent/proc").executableNames().has_value());
}

TEST(ProcessList, WalksProcessesInNumericOrderAndSkipsUnreadableOnes) {
    QTemporaryDir proc;
    ASSERT_TRUE(proc.isValid());
    const struct {
        const char* pid;
        const char* exe; // "" for a kernel thread: no executable
    } processes[] = {{"300", "/usr/bin/third"},
                     {"10", "/usr/bin/second (deleted) twice"},
                     {"2", "/opt/old build/first (deleted)"},
                     {"55", ""},
                     {"self", "/usr/bin/not-a-process"}};
    for (const auto& p : processes) {
        ASSERT_TRUE(QDir(proc.path()).mkdir(p.pid));
        ASSERT_TRUE(!*p.exe || QFile::link(p.exe, proc.filePath(p.pid + QString("/exe"))));
    }
    EXPECT_EQ(ProcProcessList(proc.path()).executableNames(),
              (QStringList{"first", "second (deleted) twice", "third"}))
        << "the kernel's mark for a replaced program is dropped";
}
