#include "support/TempStore.h"

#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"

#include <gtest/gtest.h>

using namespace pathwick;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Pathwick\\HotKeys");
const QChar Nul(0);
const QChar Sep(1);

void put(const QString& name, const char* type = "S", const QVariant& value = "v") {
    ASSERT_EQ(WriteSetting("HKLM", Key, name, QLatin1String(type), value), 0) << name.toStdString();
}

QStringList names() {
    QStringList out;
    for (const ListedValue& value : listValues("HKLM", Key))
        out.append(value.name);
    return out;
}

} // namespace

TEST(ListSettings, GivesNamesTypesAndTheClosingZeros) {
    test::TempStore store;
    put("", "S", "stamp");
    put("Text");
    put("Flag", "B", true);
    put("Number", "D", 1);
    put("Wide", "Q", 1);
    put("Expand", "E");
    put("Multi", "M");
    QString list;
    ASSERT_EQ(ListSettings("HKLM", Key, list, true), 0);
    EXPECT_EQ(list, QString() + Sep + "S" + Nul + "Text" + Sep + "S" + Nul + "Flag" + Sep + "B" +
                        Nul + "Number" + Sep + "D" + Nul + "Wide" + Sep + "Q" + Nul + "Expand" +
                        Sep + "E" + Nul + "Multi" + Sep + "M" + Nul + Nul);
    QString plain = "before:";
    ASSERT_EQ(ListSettings("hklm", Key, plain, false), 0);
    EXPECT_EQ(plain, QString("before:") + Nul + "Text" + Nul + "Flag" + Nul + "Number" + Nul +
                         "Wide" + Nul + "Expand" + Nul + "Multi" + Nul + Nul)
        << "the listing is appended";
}

TEST(ListSettings, EmptyKeyGivesTwoZerosAndMissingKeyLeavesTheList) {
    test::TempStore store;
    put("Only");
    ASSERT_EQ(DeleteSetting("HKLM", Key, "Only"), 0);
    QString list;
    EXPECT_EQ(ListSettings("HKLM", Key, list, true), 0);
    EXPECT_EQ(list, QString(2, Nul));
    QString untouched = "as passed";
    EXPECT_EQ(ListSettings("HKLM", Key + "\\Missing", untouched, true), 2);
    EXPECT_EQ(untouched, "as passed");
}

TEST(ListSettings, NamesLoseSurroundingSpacesAndZeroCharacters) {
    test::TempStore store;
    put("  Padded ");
    put(QString("Zero") + Nul + "Inside");
    put("\tTab\t");
    EXPECT_EQ(names(), (QStringList{"Padded", "ZeroInside", "\tTab\t"}));
    QVariant value;
    EXPECT_EQ(ReadSetting("HKLM", Key, "  Padded ", "S", {}, value), 0)
        << "the stored name keeps its spaces";
}

TEST(ListSettings, OrderIsFirstWriteAndSurvivesOverwrites) {
    test::TempStore store;
    for (const char* name : {"c", "a", "b", "d"})
        put(name);
    put("A", "D", 3);
    ASSERT_EQ(DeleteSetting("HKLM", Key, "b"), 0);
    put("B");
    put("e");
    const QList<ListedValue> listed = listValues("HKLM", Key);
    ASSERT_EQ(listed.size(), 5);
    EXPECT_EQ(names(), (QStringList{"c", "a", "d", "B", "e"}))
        << "an overwrite keeps its place and case; a re-written value goes to the end";
    EXPECT_EQ(listed[1].type, "D") << "the type of the last write is listed";
}

TEST(ListSettings, TenThousandValuesKeepTheirOrder) {
    test::TempStore store;
    QStringList expected;
    SettingsTransaction transaction;
    for (int i = 0; i < 10000; ++i) {
        const QString name = QString::number((i * 7919) % 10007);
        expected.append(name);
        put(name);
    }
    ASSERT_TRUE(transaction.commit());
    EXPECT_EQ(names(), expected);
}

TEST(SplitListing, ReadsRecordsWithAndWithoutTypes) {
    const QList<ListedValue> typed = splitListing(QString() + Sep + "S" + Nul + "a" + Sep + "B" +
                                                  Nul + "b" + Sep + "13" + Nul + Nul);
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed[0].name, "");
    EXPECT_EQ(typed[0].type, "S");
    EXPECT_EQ(typed[2].name, "b");
    EXPECT_EQ(typed[2].type, "13");
    EXPECT_TRUE(splitListing(QString(2, Nul)).isEmpty());
    EXPECT_TRUE(listValues("HKLM\\SOFTWARE", Key).isEmpty());
}
