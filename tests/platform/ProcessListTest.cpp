#include "platform/linux/ProcProcessList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

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
    EXPECT_FALSE(ProcProcessList("/nonexistent/proc").executableNames().has_value());
}
