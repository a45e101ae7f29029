#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Catalogue.h"
#include "settings/ProgramSettings.h"

#include <gtest/gtest.h>

using namespace pathwick;
using test::get;
using test::Read;

TEST(ProgramSettings, TypedValuesMeetTheRawOnesWhereOtherCodeReadsThem) {
    test::TempStore store;
    EXPECT_TRUE(read(catalogue::HotKeysRunning)) << "a true default on an empty store";
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 5);
    write(catalogue::HotKeysRunning, false);
    write(catalogue::HelpFilePriority, true);
    write(catalogue::RebootEveryAmPm, 1);
    write(catalogue::UserShutdownTimeMinutes, 45);
    write(catalogue::SaveStamp, "stamp");
    const struct {
        const char* key;
        const char* name;
        const char* type;
        QVariant stored;
    } cases[] = {{"SOFTWARE\\Pathwick", "HotKeys_running", "B", 0},
                 {"SOFTWARE\\Pathwick\\Settings", "HelpFilePirority", "B", -1},
                 {"SOFTWARE\\Pathwick\\Boot", "RebootEveryAmPm", "B", 1},
                 {"SOFTWARE\\Pathwick", "UserShutdownTimeMinutes", "D", 45},
                 {"SOFTWARE\\Pathwick", "", "S", "stamp"}};
    for (const auto& c : cases)
        EXPECT_EQ(get(c.name, c.type, {}, c.key), (Read{0, c.stored})) << c.name;
    ASSERT_EQ(test::put("ShowHiddenMenu", "B", 5), 0);
    EXPECT_TRUE(read(catalogue::ShowHiddenMenu)) << "any non-zero number is true";
}

TEST(SystemValues, ComeFromThePlatformUnderAnySpellingAndStoredValuesWin) {
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    fakes.system->zone = {-120, -60, 7, -30, "W. Europe Standard Time"};
    fakes.system->kernel = "6.12.7-amd64";
    const QString zone = QLatin1String(catalogue::TimeZoneKey);
    const QString version = QLatin1String(catalogue::WindowsVersionKey);
    const struct {
        const char* root;
        QString key;
        const char* name;
        Read read; // a missing value gives 2 and the default, 5 or "?"
    } cases[] = {{"hklm", zone, "ActiveTimeBias", {0, -120}},
                 {"HKEY_LOCAL_MACHINE", zone.toLower(), "BIAS", {0, -60}},
                 {"HKLM", zone, "StandardBias", {0, 7}},
                 {"HKLM", zone, "DaylightBias", {0, -30}},
                 {"HKLM", zone, "TimeZoneKeyName", {0, "W. Europe Standard Time"}},
                 {"HKCU", zone, "Bias", {2, 5}},
                 {"HKLM", zone, "Other", {2, 5}},
                 {"HKLM", version, "CurrentMajorVersionNumber", {0, 6}},
                 {"HKLM", version, "currentminorversionnumber", {0, 12}},
                 {"HKLM", version, "CurrentBuildNumber", {0, "7"}},
                 {"HKLM", version, "CurrentBuild", {0, "7"}},
                 {"HKLM", version, "CSDVersion", {2, "?"}}};
    for (const auto& c : cases) {
        const bool number = c.read.value.typeId() == QMetaType::Int;
        EXPECT_EQ(get(c.name, number ? "D" : "S", number ? QVariant(5) : "?", c.key, c.root),
                  c.read)
            << c.root << " " << c.name;
    }

    ASSERT_EQ(test::put("ActiveTimeBias", "D", 300, zone), 0);
    ASSERT_EQ(test::put("TimeZoneKeyName", "S", "Eastern Standard Time", zone), 0);
    EXPECT_EQ(get("ActiveTimeBias", "D", 0, zone), (Read{0, 300}));
    EXPECT_EQ(get("TimeZoneKeyName", "S", "", zone), (Read{0, "Eastern Standard Time"}));
    EXPECT_EQ(get("Bias", "D", 0, zone), (Read{0, -60}));

    fakes.system->kernel = "6.1";
    EXPECT_EQ(get("CurrentBuild", "S", "?", version), (Read{2, "?"}));
    fakes.system->kernel = "unknown";
    EXPECT_EQ(get("CurrentMajorVersionNumber", "D", -1, version), (Read{2, -1}));
}
