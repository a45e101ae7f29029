#include "common/ComputerInfo.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

using namespace pathwick;

namespace {

PlatformVersion version(int platformId, int major, int minor, int build = 0,
                        const QString& servicePack = QString()) {
    PlatformVersion v;
    v.platformId = platformId;
    v.major = v.firstMajor = major;
    v.minor = v.firstMinor = minor;
    v.build = v.firstBuild = build;
    v.servicePack = servicePack;
    return v;
}

} // namespace

TEST(ComputerPlatform, DecodesEveryFamilyAndVersion) {
    const struct {
        int platformId, major, minor;
        const char* name;
    } rows[] = {{-1, 10, 0, "Unknown Windows OS"},
                {1, 4, 90, "Windows ME"},
                {2, 3, 51, "Windows NT 3.51"},
                {2, 6, 1, "Windows 7"},
                {2, 10, 0, "Windows 10"},
                {2, 7, 0, "Unknown Windows OS"}};
    for (const auto& row : rows)
        EXPECT_EQ(platformText(version(row.platformId, row.major, row.minor), 0), row.name)
            << row.platformId << " " << row.major << "." << row.minor;

    // Versions the table does not decode keep the starting text.
    EXPECT_EQ(platformText(version(0, 4, 0, 950, "A"), 0),
              "<Unknown O.S. (platform=0, version=4.0 A, info_size=148, build_no.=950)>");
}

TEST(ComputerPlatform, EveryOption) {
    const PlatformVersion v = correctedVersion(version(2, 6, 1, 7601, "  Service Pack 1 "), {});
    const std::pair<int, const char*> options[] = {
        {-1, "Windows 7  (platform=2, version=6.1 Service Pack 1, info_size=148, build_no.=7601)"},
        {1, "Windows 7 Service Pack 1"},
        {6, "6.1"},
        {8, "7601"},
        {13, "<Bad option ComputerPlatform(13)>"}};
    for (const auto& [option, text] : options)
        EXPECT_EQ(platformText(v, option), text) << option;
    EXPECT_EQ(platformText(v, 200), "<Bad option ComputerPlatform(200)>");
}

TEST(ComputerPlatform, StoredValuesCorrectTheReportedOnes) {
    StoredVersion stored;
    stored.currentMajorVersionNumber = 10;
    stored.currentMinorVersionNumber = 0;
    stored.currentBuildNumber = "19045";
    PlatformVersion v = correctedVersion(version(2, 6, 2, 9200), stored);
    EXPECT_EQ(platformText(v, 6), "10.0");
    EXPECT_EQ(platformText(v, 0), "Windows 10");
    EXPECT_EQ(platformText(v, 11), "6.2");
    EXPECT_EQ(platformText(v, 8), "19045");
    EXPECT_EQ(platformText(v, 12), "9200");

    // "?" reads as 0, so the other build value is taken; neither gives a number: unchanged.
    stored = {};
    stored.currentBuild = "7601";
    EXPECT_EQ(correctedVersion(version(2, 6, 1, 100), stored).build, 7601);
    stored.currentBuildNumber = "22631.2861";
    EXPECT_EQ(correctedVersion(version(2, 6, 1, 100), stored).build, 22631);
    stored.currentBuildNumber = "0";
    stored.currentBuild = "abc";
    EXPECT_EQ(correctedVersion(version(2, 6, 1, 100), stored).build, 100);

    // A stored service pack replaces the reported one unless it is "?".
    EXPECT_EQ(correctedVersion(version(2, 5, 1, 0, "Service Pack 2"), stored).servicePack,
              "Service Pack 2");
    stored.csdVersion = "";
    EXPECT_EQ(correctedVersion(version(2, 5, 1, 0, "Service Pack 2"), stored).servicePack, "");

    // -1 means "not stored"; 0 is a real minor version.
    stored.currentMinorVersionNumber = 0;
    v = correctedVersion(version(2, 6, 3), stored);
    EXPECT_EQ(v.major, 6);
    EXPECT_EQ(v.minor, 0);
}

TEST(ComputerPlatform, LinuxNameKernelVersionStoredCorrectionsAndHostName) {
    test::TempStore store;
    platform::fake::FakePlatform fake;
    fake.system->prettyName = "Debian GNU/Linux 12 (bookworm)";
    fake.system->kernel = "6.1.0-18-amd64";
    EXPECT_EQ(ComputerPlatform(0), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(ComputerPlatform(-1), "Debian GNU/Linux 12 (bookworm)  (platform=3, version=6.1 , "
                                    "info_size=148, build_no.=0)");

    const QString key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    WriteSetting("HKLM", key, "CurrentMajorVersionNumber", "D", 10);
    WriteSetting("HKLM", key, "CurrentMinorVersionNumber", "D", 0);
    WriteSetting("HKLM", key, "CurrentBuildNumber", "S", "19045");
    EXPECT_EQ(ComputerPlatform(6), "10.0");
    EXPECT_EQ(ComputerPlatform(11), "6.1");
    EXPECT_EQ(ComputerPlatform(8), "19045");
    // Without a distribution name the decoding's own text stands.
    fake.system->prettyName = "";
    EXPECT_EQ(ComputerPlatform(0), "<Unknown O.S. (platform=3, version=10.0 , info_size=148, "
                                   "build_no.=19045)>");

    // The host name comes in full, however long.
    fake.system->host = "a-host-name-longer-than-the-thirty-two-characters.example";
    EXPECT_EQ(OSName(), "a-host-name-longer-than-the-thirty-two-characters.example");
}
