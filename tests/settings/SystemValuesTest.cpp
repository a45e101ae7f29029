#include "support/TempStore.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

using namespace pathwick;

namespace {

struct SystemValues : testing::Test {
    test::TempStore store;
    platform::fake::FakePlatform fakes;

    QVariant read(const QString& root, const QString& key, const QString& name, const char* type,
                  const QVariant& fallback, int* code = nullptr) {
        QVariant value;
        const int rc = ReadSetting(root, key, name, QLatin1String(type), fallback, value);
        if (code)
            *code = rc;
        return value;
    }
};

const QString ZoneKey = QLatin1String(catalogue::TimeZoneKey);
const QString VersionKey = QLatin1String(catalogue::WindowsVersionKey);

} // namespace

TEST_F(SystemValues, TimeZoneComesFromThePlatformUnderAnySpelling) {
    fakes.system->zone = {-60, -60, 0, -60, "W. Europe Standard Time"};
    EXPECT_EQ(read("hklm", ZoneKey, "ActiveTimeBias", "D", 0).toInt(), -60);
    EXPECT_EQ(read("HKEY_LOCAL_MACHINE", ZoneKey.toLower(), "BIAS", "D", 0).toInt(), -60);
    EXPECT_EQ(read("HKLM", ZoneKey, "StandardBias", "D", 99).toInt(), 0);
    EXPECT_EQ(read("HKLM", ZoneKey, "DaylightBias", "D", 0).toInt(), -60);
    int code = -1;
    EXPECT_EQ(read("HKLM", ZoneKey, "TimeZoneKeyName", "S", "N/A", &code),
              "W. Europe Standard Time");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(read("HKCU", ZoneKey, "Bias", "D", 5, &code).toInt(), 5);
    EXPECT_EQ(code, 2) << "only the machine's key";
    EXPECT_EQ(read("HKLM", ZoneKey, "Other", "D", 5, &code).toInt(), 5);
    EXPECT_EQ(code, 2);
}

TEST_F(SystemValues, ValuesInTheStoreWin) {
    fakes.system->zone = {-60, -60, 0, -60, "W. Europe Standard Time"};
    ASSERT_EQ(WriteSetting("HKLM", ZoneKey, "ActiveTimeBias", "D", 300), 0);
    ASSERT_EQ(WriteSetting("HKLM", ZoneKey, "TimeZoneKeyName", "S", "Eastern Standard Time"), 0);
    EXPECT_EQ(read("HKLM", ZoneKey, "ActiveTimeBias", "D", 0).toInt(), 300);
    EXPECT_EQ(read("HKLM", ZoneKey, "TimeZoneKeyName", "S", ""), "Eastern Standard Time");
    EXPECT_EQ(read("HKLM", ZoneKey, "Bias", "D", 0).toInt(), -60);
}

TEST_F(SystemValues, VersionComesFromTheKernelRelease) {
    fakes.system->kernel = "6.12.7-amd64";
    EXPECT_EQ(read("HKLM", VersionKey, "CurrentMajorVersionNumber", "D", -1).toInt(), 6);
    EXPECT_EQ(read("HKLM", VersionKey, "currentminorversionnumber", "D", -1).toInt(), 12);
    EXPECT_EQ(read("HKLM", VersionKey, "CurrentBuildNumber", "S", "?"), "7");
    EXPECT_EQ(read("HKLM", VersionKey, "CurrentBuild", "S", "?"), "7");
    int code = -1;
    EXPECT_EQ(read("HKLM", VersionKey, "CSDVersion", "S", "?", &code), "?");
    EXPECT_EQ(code, 2);
    fakes.system->kernel = "6.1";
    EXPECT_EQ(read("HKLM", VersionKey, "CurrentBuild", "S", "?"), "?");
    fakes.system->kernel = "unknown";
    EXPECT_EQ(read("HKLM", VersionKey, "CurrentMajorVersionNumber", "D", -1).toInt(), -1);
}
