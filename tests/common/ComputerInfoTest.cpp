#include "common/ComputerInfo.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

using namespace pathwick;

// Stored values are hand-editable text: only a leading number counts; -1 means "not stored"
// and 0 is a real minor version. The first version stays as the kernel reports it.
TEST(ComputerPlatform, KernelVersionAndStoredCorrections) {
    test::TempStore store;
    platform::fake::FakePlatform fake;
    fake.system->kernel = "6.1.0-18-amd64";
    EXPECT_EQ(ComputerPlatform(3), "3");
    EXPECT_EQ(ComputerPlatform(6), "6.1");

    const QString key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    WriteSetting("HKLM", key, "CurrentMajorVersionNumber", "D", 10);
    WriteSetting("HKLM", key, "CurrentMinorVersionNumber", "D", 0);
    WriteSetting("HKLM", key, "CurrentBuildNumber", "S", "abc");
    WriteSetting("HKLM", key, "CurrentBuild", "S", "22631.2861");
    EXPECT_EQ(ComputerPlatform(6), "10.0");
    EXPECT_EQ(ComputerPlatform(11), "6.1");
    EXPECT_EQ(ComputerPlatform(8), "22631");
}
