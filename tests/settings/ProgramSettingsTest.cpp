#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Catalogue.h"

#include <gtest/gtest.h>

using namespace pathwick;
using test::get;
using test::Read;

// Machine values come from the platform under any spelling of the machine root, and what the
// platform cannot say reads as missing (the zone-token and computer-info tests read the rest).
TEST(SystemValues, ComeFromThePlatformUnderAnySpellingOrReadAsMissing) {
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    fakes.system->zone = {-120, -60, 7, -30, "W. Europe Standard Time"};
    fakes.system->kernel = "unknown";
    const QString zone = QString::fromLatin1(catalogue::TimeZoneKey).toLower();
    EXPECT_EQ(get("BIAS", "D", 5, zone, "hkey_local_machine"), (Read{0, -60}));
    EXPECT_EQ(
        get("CurrentMajorVersionNumber", "D", -1, QLatin1String(catalogue::WindowsVersionKey)),
        (Read{2, -1}));
}
