#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "settings/SettingsListing.h"

#include <QTemporaryFile>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pathwick;
using test::get;
using test::Key;
using test::put;
using test::Read;

// Root names in any case share their values; other roots and ini files give 99, change
// nothing and leave the list as passed.
TEST(SettingsRoots, SpellingsShareValuesOtherRootsAreRefused) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("hklm", Key, "Shared", "D", 7), 0);
    EXPECT_EQ(get("Shared", "d", 0, Key, "Hkey_Local_Machine"), (Read{0, 7}));
    EXPECT_EQ(get("Shared", "D", -3, Key, "hkey_current_user"), (Read{2, -3}));
    EXPECT_EQ(RootKeyFromName("HKCU"), RootKey::CurrentUser);
    QTemporaryFile ini;
    ASSERT_TRUE(ini.open());
    EXPECT_EQ(RootKeyFromName(ini.fileName()), RootKey::IniFile);
    for (const QString& root : {QStringLiteral("HKLM\\SOFTWARE"), QStringLiteral(" HKLM"),
                                QStringLiteral("HKEY_LOCAL_MACHINE_"), QString(), ini.fileName()}) {
        SCOPED_TRACE(root.toStdString());
        EXPECT_EQ(get("Shared", "D", "kept", Key, root), (Read{99, "kept"}));
        EXPECT_EQ(WriteSetting(root, Key, "New", "S", "v"), 99);
        EXPECT_EQ(DeleteSetting(root, Key, "Shared"), 99);
        QString list = "unchanged";
        EXPECT_EQ(ListSettings(root, Key, list, true), 99);
        EXPECT_EQ(list, "unchanged");
    }
    EXPECT_EQ(ini.size(), 0);
    EXPECT_EQ(get("Shared", "D"), (Read{0, 7}));
    EXPECT_EQ(get("New", "S").code, 2);
}

// Every letter in either case, at its limits, and what converts; the listing names the type.
TEST(SettingsReadWrite, EachTypeRoundTripsAtItsLimits) {
    test::TempStore store;
    const QString multi = QString("a") + QChar(0) + "b" + QChar(0);
    const struct {
        const char* name;
        const char* type;
        QVariant written;
        QVariant read;
    } cases[] = {{"Empty", "S", "", ""},
                 {"Ωμέγα", "s", "日本語テキスト ✓", "日本語テキスト ✓"},
                 {"Flag", "S", true, "True"},
                 {"Multi", "m", multi, multi},
                 {"True", "B", true, -1},
                 {"Small", "b", -32768, -32768},
                 {"Big", "D", 2147483647, 2147483647},
                 {"Nothing", "D", QVariant(), 0},
                 {"Spaced", "D", " 12 ", 12},
                 {"EvenHalf", "D", 2.5, 2},
                 {"OddHalf", "D", 3.5, 4},
                 {"Huge", "q", Q_INT64_C(-9000000000000000001), Q_INT64_C(-9000000000000000001)}};
    for (const auto& c : cases)
        ASSERT_EQ(put(c.name, c.type, c.written), 0) << c.name;
    const QList<ListedValue> listed = listValues("HKLM", Key);
    ASSERT_EQ(listed.size(), qsizetype(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(get(cases[i].name, cases[i].type, "dflt"), (Read{0, cases[i].read}));
        EXPECT_EQ(listed[i].name, cases[i].name);
        EXPECT_EQ(listed[i].type, QString(cases[i].type).toUpper());
    }
}

TEST(SettingsReadWrite, ValuesThatDoNotConvertAreRefusedAndChangeNothing) {
    test::TempStore store;
    ASSERT_EQ(put("N", "Q", 5), 0);
    const struct {
        const char* type;
        QVariant value;
    } cases[] = {{"D", "five"},
                 {"B", 40000},
                 {"D", Q_INT64_C(4294967296)},
                 {"D", std::nan("")},
                 {"Q", 1e19},
                 {"Q", std::numeric_limits<quint64>::max()},
                 {"S", QVariantList{1, 2}}};
    for (const auto& c : cases)
        EXPECT_EQ(put("N", c.type, c.value), 99) << c.type << " " << c.value.typeName();
    EXPECT_EQ(get("N", "Q"), (Read{0, Q_INT64_C(5)}));
}

TEST(SettingsReadWrite, MissingValuesKeysAndOtherLettersKeepTheDefault) {
    test::TempStore store;
    ASSERT_EQ(put("Present", "S", "x"), 0);
    EXPECT_EQ(get("Missing", "S", "dflt"), (Read{2, "dflt"}));
    EXPECT_EQ(get("Present", "S", "dflt", "SOFTWARE\\Nowhere"), (Read{2, "dflt"}));
    // Other letters store nothing and read nothing: 0 while the key exists.
    EXPECT_EQ(put("Other", "Z", 5), 0);
    EXPECT_EQ(get("Other", "D", 9), (Read{2, 9}));
    EXPECT_EQ(get("Present", "SS", "dflt"), (Read{0, "dflt"}));

    EXPECT_EQ(DeleteSetting("HKLM", Key, "PRESENT"), 0);
    EXPECT_EQ(get("Present", "S").code, 2);
    EXPECT_EQ(DeleteSetting("HKLM", Key, "Present"), 0) << "deleting what is not there succeeds";
    EXPECT_EQ(DeleteSetting("HKLM", "SOFTWARE\\Nowhere\\Deeper", "Present"), 0);
}

TEST(SettingsReadWrite, NamesAndKeysIgnoreCaseInEveryScriptAndKeepTheirFirstCase) {
    test::TempStore store;
    ASSERT_EQ(put("ÄrgerÜber", "S", "first", "Software\\Pathwick"), 0);
    ASSERT_EQ(put("ärgerüber", "S", "second", "SOFTWARE\\PATHWICK"), 0);
    ASSERT_EQ(put("Ωμέγα", "S", "x"), 0);
    EXPECT_EQ(get("ÄRGERÜBER", "S"), (Read{0, "second"}));
    EXPECT_EQ(get("ωΜΈΓΑ", "S"), (Read{0, "x"}));
    QString list;
    ASSERT_EQ(ListSettings("HKLM", Key, list, false), 0);
    EXPECT_EQ(list, QString("ÄrgerÜber") + QChar(0) + "Ωμέγα" + QChar(0) + QChar(0));
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
    for (const QString& name :
         {QString("B"), QString("  Padded "), QString("Zero") + QChar(0) + "In"})
        ASSERT_EQ(put(name, "S", "v", hotKeys), 0);
    const QChar t = ListTypeSeparator;
    const QChar z = QChar(0);
    QString typed = "before:";
    ASSERT_EQ(ListSettings("HKLM", hotKeys, typed, true), 0);
    EXPECT_EQ(typed, QString("before:") + t + "S" + z + "c" + t + "S" + z + "a" + t + "B" + z +
                         "B" + t + "S" + z + "Padded" + t + "S" + z + "ZeroIn" + t + "S" + z + z)
        << "an overwrite keeps its place and case; a value written again goes to the end";
    EXPECT_EQ(get("  Padded ", "S", {}, hotKeys).code, 0) << "the stored name keeps its spaces";

    QString list;
    EXPECT_EQ(ListSettings("hklm", Key, list, false), 0);
    EXPECT_EQ(list, QString(2, z)) << "an empty key lists as two zeros";
    list = "as passed";
    EXPECT_EQ(ListSettings("HKCU", "software", list, true), 2);
    EXPECT_EQ(ListSettings("HKLM", hotKeys + "\\Missing", list, true), 2);
    EXPECT_EQ(list, "as passed");
}
