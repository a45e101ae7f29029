#include "support/TempStore.h"

#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Pathwick");

int write(const QString& name, const char* type, const QVariant& value) {
    return WriteSetting(QStringLiteral("HKLM"), Key, name, QLatin1String(type), value);
}

QVariant read(const QString& name, const char* type, const QVariant& fallback = {},
              int* code = nullptr) {
    QVariant value;
    const int rc =
        ReadSetting(QStringLiteral("HKLM"), Key, name, QLatin1String(type), fallback, value);
    if (code)
        *code = rc;
    return value;
}

} // namespace

TEST(RootKeyFromName, KnowsEveryRootInAnyCaseAndNothingElse) {
    EXPECT_EQ(RootKeyFromName("hklm"), RootKey::LocalMachine);
    EXPECT_EQ(RootKeyFromName("HKEY_LOCAL_MACHINE"), RootKey::LocalMachine);
    EXPECT_EQ(RootKeyFromName("Hkey_Current_User"), RootKey::CurrentUser);
    EXPECT_EQ(RootKeyFromName("HKCR"), RootKey::ClassesRoot);
    EXPECT_EQ(RootKeyFromName("hku"), RootKey::Users);
    EXPECT_EQ(RootKeyFromName("HKCC"), RootKey::CurrentConfig);
    EXPECT_EQ(RootKeyFromName("hkey_dyn_data"), RootKey::DynData);
    EXPECT_EQ(RootKeyFromName("HKLM\\SOFTWARE"), RootKey::Unrecognised);
    EXPECT_EQ(RootKeyFromName(" HKLM"), RootKey::Unrecognised);
    EXPECT_EQ(RootKeyFromName(""), RootKey::Unrecognised);
}

TEST(RootKeyFromName, UnrecognisedAndFileRootsTouchNothing) {
    test::TempStore store;
    QTemporaryFile ini;
    ASSERT_TRUE(ini.open());
    EXPECT_EQ(RootKeyFromName(ini.fileName()), RootKey::IniFile);
    for (const QString& root : {QStringLiteral("HKLM\\SOFTWARE"), ini.fileName()}) {
        QVariant value;
        EXPECT_EQ(ReadSetting(root, Key, "X", "S", "kept", value), 99);
        EXPECT_EQ(value, "kept");
        EXPECT_EQ(WriteSetting(root, Key, "X", "S", "v"), 99);
        EXPECT_EQ(DeleteSetting(root, Key, "X"), 99);
        QString list = "unchanged";
        EXPECT_EQ(ListSettings(root, Key, list, true), 99);
        EXPECT_EQ(list, "unchanged");
    }
    EXPECT_EQ(ini.size(), 0);
    QString list;
    EXPECT_EQ(ListSettings("HKLM", Key, list, false), 2) << "nothing was created";
}

TEST(SettingsReadWrite, RootSpellingsShareValuesAndRootsAreSeparate) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("hklm", Key, "Shared", "D", 7), 0);
    QVariant value;
    EXPECT_EQ(ReadSetting("HKEY_LOCAL_MACHINE", Key, "Shared", "d", 0, value), 0);
    EXPECT_EQ(value.toInt(), 7);
    EXPECT_EQ(ReadSetting("HKCU", Key, "Shared", "D", -3, value), 2);
    EXPECT_EQ(value.toInt(), -3);
}

TEST(SettingsReadWrite, MissingValueOrKeyGivesTwoAndKeepsTheDefault) {
    test::TempStore store;
    int code = -1;
    EXPECT_EQ(read("Missing", "S", "dflt", &code), "dflt");
    EXPECT_EQ(code, 2);
    ASSERT_EQ(write("Present", "S", "x"), 0);
    EXPECT_EQ(read("Missing", "B", -1, &code).toInt(), -1);
    EXPECT_EQ(code, 2);
    QVariant value;
    EXPECT_EQ(ReadSetting("HKLM", "SOFTWARE\\Nowhere", "Present", "S", "dflt", value), 2);
    EXPECT_EQ(value, "dflt");
}

TEST(SettingsReadWrite, EachTypeRoundTripsAtItsLimits) {
    test::TempStore store;
    ASSERT_EQ(write("Empty", "S", ""), 0);
    ASSERT_EQ(write("Expand", "E", "%HOME%\\x"), 0);
    ASSERT_EQ(write("Multi", "M", QString("a") + QChar(0) + "b" + QChar(0)), 0);
    ASSERT_EQ(write("True", "B", true), 0);
    ASSERT_EQ(write("Small", "b", -32768), 0);
    ASSERT_EQ(write("Big", "D", 2147483647), 0);
    ASSERT_EQ(write("Huge", "Q", Q_INT64_C(-9000000000000000001)), 0);
    int code = -1;
    EXPECT_EQ(read("Empty", "S", "dflt", &code), "");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(read("Expand", "e"), "%HOME%\\x");
    EXPECT_EQ(read("Multi", "M"), QString("a") + QChar(0) + "b" + QChar(0));
    EXPECT_EQ(read("True", "B").toInt(), -1);
    EXPECT_EQ(read("Small", "B").toInt(), -32768);
    EXPECT_EQ(read("Big", "D").toInt(), 2147483647);
    EXPECT_EQ(read("Huge", "Q").toLongLong(), Q_INT64_C(-9000000000000000001))
        << "64-bit numbers are stored unchanged";
}

TEST(SettingsReadWrite, ReadsInterpretTheStoredBytesAsTheLetterAsks) {
    test::TempStore store;
    ASSERT_EQ(write("Text", "S", "ABCDEFGH"), 0);
    ASSERT_EQ(write("Short", "S", "A"), 0);
    ASSERT_EQ(write("Number", "D", 0x01020304), 0);
    EXPECT_EQ(read("Text", "D").toInt(), 0x44434241);
    EXPECT_EQ(read("Text", "B").toInt(), 0x4241);
    EXPECT_EQ(read("Short", "D").toInt(), 0x41) << "the terminating zero byte counts";
    EXPECT_EQ(read("Number", "B").toInt(), 0x0304);
    EXPECT_EQ(read("Number", "Q").toLongLong(), 0x01020304);
    EXPECT_EQ(read("Number", "S"), QString(QChar(4)) + QChar(3) + QChar(2));
}

TEST(SettingsReadWrite, ValuesThatDoNotConvertAreRefusedAndChangeNothing) {
    test::TempStore store;
    ASSERT_EQ(write("N", "D", 5), 0);
    EXPECT_EQ(write("N", "D", "five"), 99);
    EXPECT_EQ(write("N", "B", 40000), 99);
    EXPECT_EQ(write("N", "D", Q_INT64_C(4294967296)), 99);
    EXPECT_EQ(read("N", "D").toInt(), 5);
    EXPECT_EQ(write("N", "D", " 12 "), 0);
    EXPECT_EQ(read("N", "D").toInt(), 12);
    EXPECT_EQ(write("N", "D", 2.5), 0);
    EXPECT_EQ(read("N", "D").toInt(), 2) << "halves round to even";
    EXPECT_EQ(write("N", "D", 3.5), 0);
    EXPECT_EQ(read("N", "D").toInt(), 4);
}

TEST(SettingsReadWrite, OtherTypeLettersReadAndWriteNothing) {
    test::TempStore store;
    EXPECT_EQ(write("X", "Z", 5), 0);
    int code = -1;
    EXPECT_EQ(read("X", "D", 9, &code).toInt(), 9);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(read("X", "SS", "dflt", &code), "dflt");
    EXPECT_EQ(code, 0) << "the key exists";
    QVariant value;
    EXPECT_EQ(ReadSetting("HKLM", "SOFTWARE\\Nowhere", "X", "Z", 1, value), 2);
}

TEST(SettingsReadWrite, NamesAndKeysIgnoreCaseInEveryScript) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("HKLM", "Software\\Pathwick", "ÄrgerÜber", "S", "first"), 0);
    ASSERT_EQ(WriteSetting("HKLM", "SOFTWARE\\PATHWICK", "ärgerüber", "S", "second"), 0);
    ASSERT_EQ(WriteSetting("HKLM", Key, "Ωμέγα", "S", "日本語テキスト ✓"), 0);
    EXPECT_EQ(read("ÄRGERÜBER", "S"), "second");
    EXPECT_EQ(read("ωΜΈΓΑ", "S"), "日本語テキスト ✓");
    QString list;
    ASSERT_EQ(ListSettings("HKLM", Key, list, false), 0);
    EXPECT_EQ(list, QString("ÄrgerÜber") + QChar(0) + "Ωμέγα" + QChar(0) + QChar(0))
        << "names keep the case of their first write";
}

TEST(SettingsDelete, RemovesOnlyTheValueAndMissingOnesSucceed) {
    test::TempStore store;
    ASSERT_EQ(write("Gone", "S", "x"), 0);
    ASSERT_EQ(write("Stays", "S", "y"), 0);
    EXPECT_EQ(DeleteSetting("HKLM", Key, "GONE"), 0);
    int code = -1;
    read("Gone", "S", {}, &code);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(read("Stays", "S"), "y");
    EXPECT_EQ(DeleteSetting("HKLM", Key, "Gone"), 0);
    EXPECT_EQ(DeleteSetting("HKLM", "SOFTWARE\\Nowhere\\Deeper", "Gone"), 0);
}

TEST(SettingsKeys, WritingCreatesTheKeyAndEveryKeyAboveIt) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("HKLM", ProgramKey() + "\\Boot", "RebootEveryHours", "B", 7), 0);
    QString list;
    EXPECT_EQ(ListSettings("HKLM", ProgramKey(), list, true), 0);
    EXPECT_EQ(list, QString(2, QChar(0)));
    list.clear();
    EXPECT_EQ(ListSettings("hklm", "software", list, true), 0);
    EXPECT_EQ(ListSettings("HKCU", "software", list, true), 2);
}
