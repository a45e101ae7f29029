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

namespace {
const QString HotKeys = Key + QStringLiteral("\\HotKeys");
}

TEST(RootKeyFromName, KnowsEveryRootInAnyCaseAndNothingElse) {
    const struct {
        const char* longName;
        const char* shortName;
        quint32 root;
    } roots[] = {{"HKEY_CURRENT_USER", "HKCU", RootKey::CurrentUser},
                 {"HKEY_LOCAL_MACHINE", "HKLM", RootKey::LocalMachine}};
    for (const auto& r : roots)
        for (const QString name : {r.longName, r.shortName})
            for (const QString& spelling :
                 {name, name.toLower(), name.left(2) + name.mid(2).toLower()})
                EXPECT_EQ(RootKeyFromName(spelling), r.root) << spelling.toStdString();
    for (const char* name : {"HKLM\\SOFTWARE", " HKLM", "HKEY_LOCAL", "HKEY_LOCAL_MACHINE_", ""})
        EXPECT_EQ(RootKeyFromName(name), RootKey::Unrecognised) << '"' << name << '"';
}

TEST(SettingsRoots, SpellingsShareValuesRootsAreSeparateOtherRootsGive99) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("hklm", Key, "Shared", "D", 7), 0);
    EXPECT_EQ(get("Shared", "d", 0, Key, "HKEY_LOCAL_MACHINE"), (Read{0, 7}));
    EXPECT_EQ(get("Shared", "D", -3, Key, "HKCU"), (Read{2, -3}));

    QTemporaryFile ini;
    ASSERT_TRUE(ini.open());
    EXPECT_EQ(RootKeyFromName(ini.fileName()), RootKey::IniFile);
    for (const QString& root : {QStringLiteral("HKLM\\SOFTWARE"), ini.fileName()}) {
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
                 {"Expand", "E", "%HOME%\\x", "%HOME%\\x"},
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

TEST(SettingsReadWrite, ReadsTakeTheStoredBytesAsTheLetterAsks) {
    test::TempStore store;
    ASSERT_EQ(put("Text", "S", "ABCDEFGH"), 0);
    ASSERT_EQ(put("Short", "S", "A"), 0);
    ASSERT_EQ(put("Number", "D", 0x01020304), 0);
    ASSERT_EQ(put("Small", "B", 5), 0);
    ASSERT_EQ(put("Emoji", "D", int(0x80989ff0)), 0); // the UTF-8 bytes of one emoji
    const struct {
        const char* name;
        const char* type;
        QVariant read;
    } cases[] = {{"Text", "D", 0x44434241},
                 {"Text", "B", 0x4241},
                 {"Short", "D", 0x41}, // the terminating zero byte counts
                 {"Number", "B", 0x0304},
                 {"Number", "Q", Q_INT64_C(0x01020304)},
                 {"Small", "D", 5}, // missing bytes count as zero
                 // Numbers have no terminator: the last character stands in for it.
                 {"Number", "S", QString(QChar(4)) + QChar(3) + QChar(2)},
                 {"Emoji", "S", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(get(c.name, c.type), (Read{0, c.read})) << c.name << " as " << c.type;
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
    EXPECT_EQ(get("Missing", "S", "dflt"), (Read{2, "dflt"}));
    ASSERT_EQ(put("Present", "S", "x"), 0);
    EXPECT_EQ(get("Missing", "B", -1), (Read{2, -1}));
    EXPECT_EQ(get("Present", "S", "dflt", "SOFTWARE\\Nowhere"), (Read{2, "dflt"}));
    // Other letters store nothing and read nothing: 0 while the key exists.
    EXPECT_EQ(put("Other", "Z", 5), 0);
    EXPECT_EQ(get("Other", "D", 9), (Read{2, 9}));
    EXPECT_EQ(get("Present", "SS", "dflt"), (Read{0, "dflt"}));
    EXPECT_EQ(get("Present", "Z", 1, "SOFTWARE\\Nowhere"), (Read{2, 1}));

    ASSERT_EQ(put("Stays", "S", "y"), 0);
    EXPECT_EQ(DeleteSetting("HKLM", Key, "PRESENT"), 0);
    EXPECT_EQ(get("Present", "S").code, 2);
    EXPECT_EQ(get("Stays", "S"), (Read{0, "y"}));
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

TEST(ListSettings, AppendsNamesTypesAndTheClosingZeros) {
    test::TempStore store;
    ASSERT_EQ(put("", "S", "stamp", HotKeys), 0);
    ASSERT_EQ(put("Text", "S", "v", HotKeys), 0);
    ASSERT_EQ(put("Flag", "B", true, HotKeys), 0);
    QString typed = "before:";
    ASSERT_EQ(ListSettings("HKLM", HotKeys, typed, true), 0);
    EXPECT_EQ(typed, QString("before:") + ListTypeSeparator + "S" + QChar(0) + "Text" +
                         ListTypeSeparator + "S" + QChar(0) + "Flag" + ListTypeSeparator + "B" +
                         QChar(0) + QChar(0));
    QString plain;
    ASSERT_EQ(ListSettings("hklm", HotKeys, plain, false), 0);
    EXPECT_EQ(plain, QString(QChar(0)) + "Text" + QChar(0) + "Flag" + QChar(0) + QChar(0));

    // Writing made every key above; they are empty, and lists stop at missing keys.
    QString list;
    EXPECT_EQ(ListSettings("HKLM", Key, list, true), 0);
    EXPECT_EQ(list, QString(2, QChar(0))) << "an empty key lists as two zeros";
    list = "as passed";
    EXPECT_EQ(ListSettings("HKCU", "software", list, true), 2);
    EXPECT_EQ(ListSettings("HKLM", HotKeys + "\\Missing", list, true), 2);
    EXPECT_EQ(list, "as passed");
}

TEST(ListSettings, FirstWriteOrderAndCleanedNames) {
    test::TempStore store;
    for (const char* name : {"c", "a", "b", "d"})
        ASSERT_EQ(put(name, "S", "v"), 0);
    ASSERT_EQ(put("A", "D", 3), 0);
    ASSERT_EQ(DeleteSetting("HKLM", Key, "b"), 0);
    for (const QString& name : {QString("B"), QString("e"), QString("  Padded "),
                                QString("Zero") + QChar(0) + "Inside", QString("\tTab\t")})
        ASSERT_EQ(put(name, "S", "v"), 0);
    QStringList names;
    const QList<ListedValue> listed = listValues("HKLM", Key);
    for (const ListedValue& value : listed)
        names.append(value.name);
    EXPECT_EQ(names, (QStringList{"c", "a", "d", "B", "e", "Padded", "ZeroInside", "\tTab\t"}))
        << "an overwrite keeps its place and case; a value written again goes to the end";
    EXPECT_EQ(listed.value(1).type, "D") << "the type of the last write is listed";
    EXPECT_EQ(get("  Padded ", "S").code, 0) << "the stored name keeps its spaces";
}
