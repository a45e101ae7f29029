#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Catalogue.h"

#include <gtest/gtest.h>

using namespace pathwick;
using test::get;
using test::Read;

// Machine values come from the platform under any spelling of the machine root; stored values
// win, and what the platform cannot say reads as missing.
TEST(SystemValues, ComeFromThePlatformUnderAnySpellingAndStoredValuesWin) {
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    fakes.system->zone = {-120, -60, 7, -30, "W. Europe Standard Time"};
    fakes.system->kernel = "6.12.7-amd64";
    const QString zone = QLatin1String(catalogue::TimeZoneKey);
    const QString version = QLatin1String(catalogue::WindowsVersionKey);
    EXPECT_EQ(get("BIAS", "D", 5, zone.toLower(), "hkey_local_machine"), (Read{0, -60}));
    EXPECT_EQ(get("currentminorversionnumber", "D", 5, version), (Read{0, 12}));
    EXPECT_EQ(get("CurrentBuild", "S", "?", version), (Read{0, "7"}));

    ASSERT_EQ(test::put("ActiveTimeBias", "D", 300, zone), 0);
    EXPECT_EQ(get("ActiveTimeBias", "D", 0, zone), (Read{0, 300}));
    EXPECT_EQ(get("Bias", "D", 0, zone), (Read{0, -60}));

    fakes.system->kernel = "6.1";
    EXPECT_EQ(get("CurrentBuild", "S", "?", version), (Read{2, "?"}));
    fakes.system->kernel = "unknown";
    EXPECT_EQ(get("CurrentMajorVersionNumber", "D", -1, version), (Read{2, -1}));
}
