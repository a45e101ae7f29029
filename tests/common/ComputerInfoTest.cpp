#include "common/ComputerInfo.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

using namespace pathwick;

// Stored values are hand-editable text: only a leading number counts; -1 means "not stored"
// and 0 is a real minor version.
TEST(ComputerPlatform, LinuxNameKernelVersionStoredCorrections) {
    test::TempStore store;
    platform::fake::FakePlatform fake;
    fake.system->prettyName = "Debian GNU/Linux 12 (bookworm)";
    fake.system->kernel = "6.1.0-18-amd64";
    EXPECT_EQ(ComputerPlatform(-1), "Debian GNU/Linux 12 (bookworm)  (platform=3, version=6.1 , "
                                    "info_size=148, build_no.=0)");
    EXPECT_EQ(ComputerPlatform(200), "<Bad option ComputerPlatform(200)>");

    const QString key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    WriteSetting("HKLM", key, "CurrentMajorVersionNumber", "D", 10);
    WriteSetting("HKLM", key, "CurrentMinorVersionNumber", "D", 0);
    WriteSetting("HKLM", key, "CurrentBuildNumber", "S", "abc");
    WriteSetting("HKLM", key, "CurrentBuild", "S", "22631.2861");
    EXPECT_EQ(ComputerPlatform(6), "10.0");
    EXPECT_EQ(ComputerPlatform(11), "6.1");
    EXPECT_EQ(ComputerPlatform(8), "22631");
    // Without a distribution name the decoding's own text stands.
    fake.system->prettyName = "";
    EXPECT_EQ(ComputerPlatform(0), "<Unknown O.S. (platform=3, version=10.0 , info_size=148, "
                                   "build_no.=22631)>");
}
