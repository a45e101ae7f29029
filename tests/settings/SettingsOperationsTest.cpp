#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Catalogue.h"
#include "settings/SettingsListing.h"

#include <gtest/gtest.h>
#include <limits>

using namespace pathwick;
using test::get;
using test::Key;
using test::put;
using test::Read;

// Root names in any case share their values; other roots (an ini file's path among them:
// that mode is not built) give 99, change nothing and leave the list as passed.
TEST(SettingsRoots, SpellingsShareValuesOtherRootsAreRefused) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("hklm", Key, "Shared", "D", 7), 0);
    EXPECT_EQ(get("Shared", "d", 0, Key, "Hkey_Local_Machine"), (Read{0, 7}));
    EXPECT_EQ(get("Shared", "D", -3, Key, "hkey_current_user"), (Read{2, -3}));
    for (const QString& root : {QStringLiteral(" HKLM"), QStringLiteral("pathwick.ini")}) {
        SCOPED_TRACE(root.toStdString());
        EXPECT_EQ(get("Shared", "D", "kept", Key, root), (Read{99, "kept"}));
        EXPECT_EQ(WriteSetting(root, Key, "New", "S", "v"), 99);
        EXPECT_EQ(DeleteSetting(root, Key, "Shared"), 99);
        QString list = "unchanged";
        EXPECT_EQ(ListSettings(root, Key, list, true), 99);
        EXPECT_EQ(list, "unchanged");
    }
    EXPECT_EQ(get("Shared", "D"), (Read{0, 7}));
    EXPECT_EQ(get("New", "S").code, 2);
}

// What converts on the way in reads back in the type of its letter (the store-values fuzz
// target checks exact round trips); what does not is refused and changes nothing.
TEST(SettingsReadWrite, ValuesConvertToTheirLetterOrAreRefused) {
    test::TempStore store;
    const struct {
        const char* type;
        QVariant written;
        QVariant read; // none when refused
    } cases[] = {{"S", true, "True"},
                 {"B", true, -1},
                 {"b", -32768, -32768},
                 {"D", " 12 ", 12},
                 {"D", 2.5, 2},
                 {"D", 3.5, 4},
                 {"D", "five", {}},
                 {"B", 40000, {}},
                 {"Q", std::numeric_limits<quint64>::max(), {}},
                 {"S", QVariantList{1, 2}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.written.toString().toStdString());
        ASSERT_EQ(put("V", "Q", 5), 0);
        EXPECT_EQ(put("V", c.type, c.written), c.read.isValid() ? 0 : 99);
        EXPECT_EQ(c.read.isValid() ? get("V", c.type, "dflt") : get("V", "Q"),
                  (Read{0, c.read.isValid() ? c.read : QVariant(Q_INT64_C(5))}));
    }
}

// Names and keys ignore case in every script and keep their first case; what is missing
// reads as the default.
TEST(SettingsReadWrite, NamesIgnoreCaseAndMissingValuesKeepTheDefault) {
    test::TempStore store;
    ASSERT_EQ(put("ÄrgerÜber", "S", "first", "Software\\Pathwick"), 0);
    ASSERT_EQ(put("ärgerüber", "S", "second", "SOFTWARE\\PATHWICK"), 0);
    ASSERT_EQ(put("Ωμέγα", "S", "x"), 0);
    EXPECT_EQ(get("ÄRGERÜBER", "S"), (Read{0, "second"}));
    EXPECT_EQ(get("ωΜΈΓΑ", "S"), (Read{0, "x"}));
    EXPECT_EQ(listValues("HKLM", Key).value(0).name, "ÄrgerÜber");

    EXPECT_EQ(get("Missing", "S", "dflt"), (Read{2, "dflt"}));
    EXPECT_EQ(get("ωμέγα", "S", "dflt", "SOFTWARE\\Nowhere"), (Read{2, "dflt"}));
    EXPECT_EQ(get("ωμέγα", "SS", "dflt"), (Read{0, "dflt"})) << "0 while the key exists";
    EXPECT_EQ(DeleteSetting("HKLM", Key, "ΩΜΈΓΑ"), 0);
    EXPECT_EQ(get("ωμέγα", "S").code, 2);
    EXPECT_EQ(DeleteSetting("HKLM", Key, "ωμέγα"), 0) << "deleting what is not there succeeds";
    EXPECT_EQ(DeleteSetting("HKLM", "SOFTWARE\\Nowhere\\Deeper", "Present"), 0);
}

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

// The listing appends names (and types) in first-write order, cleaned of blanks at the ends
// and of zeros; lists stop at missing keys.
TEST(ListSettings, AppendsCleanedNamesInFirstWriteOrder) {
    test::TempStore store;
    const QString hotKeys = Key + "\\HotKeys";
    for (const QString& name : {QString(), QString("c"), QString("a"), QString("b")})
        ASSERT_EQ(put(name, "S", "v", hotKeys), 0);
    ASSERT_EQ(put("A", "B", true, hotKeys), 0);
    ASSERT_EQ(DeleteSetting("HKLM", hotKeys, "b"), 0);
    for (const QString& name : {QString("B"), QString("  Padded ")})
        ASSERT_EQ(put(name, "S", "v", hotKeys), 0);
    const QChar t = ListTypeSeparator;
    const QChar z = QChar(0);
    QString typed = "before:";
    ASSERT_EQ(ListSettings("HKLM", hotKeys, typed, true), 0);
    EXPECT_EQ(typed, QString("before:") + t + "S" + z + "c" + t + "S" + z + "a" + t + "B" + z +
                         "B" + t + "S" + z + "Padded" + t + "S" + z + z)
        << "an overwrite keeps its place and case; a value written again goes to the end";

    QString list;
    EXPECT_EQ(ListSettings("hklm", Key, list, false), 0);
    EXPECT_EQ(list, QString(2, z)) << "an empty key lists as two zeros";
    list = "as passed";
    EXPECT_EQ(ListSettings("HKLM", hotKeys + "\\Missing", list, true), 2);
    EXPECT_EQ(list, "as passed");
}
