#include "dirlist/DirectoryStore.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

const QDateTime Moment(QDate(2026, 12, 5), QTime(1, 45, 44));

// The string values of the key in store order, the unnamed stamp included.
QStringList stringValueNames() {
    QStringList names;
    for (const ListedValue& value : listValues(MachineRoot, ProgramKey()))
        if (value.type == "S")
            names.append(value.name);
    return names;
}

class DirectoryStoreTest : public testing::Test {
protected:
    void SetUp() override { environment.unset("OS"); }

    test::TempStore store;
    platform::fake::FakePlatform fakes;
    test::ScopedEnvironment environment;
};

TEST_F(DirectoryStoreTest, SaveKeepsOrderTrimsAndDropsBlankItemsAndDuplicates) {
    EXPECT_TRUE(saveStoredEntries({}, Moment));
    EXPECT_TRUE(storedEntries().isEmpty());
    EXPECT_EQ(stringValueNames(), QStringList{""});

    EXPECT_TRUE(saveStoredEntries(
        {"C:\\A", "  ", "", "  :Documents:\\Letters  ", "C:\\B", "C:\\A", "c:\\b"}, Moment));
    EXPECT_EQ(storedEntries(), QStringList({"C:\\A", ":Documents:\\Letters", "C:\\B"}));
    EXPECT_EQ(stringValueNames(), QStringList({"", "C:\\A", ":Documents:\\Letters", "C:\\B"}));
    EXPECT_EQ(readText(ProgramKey(), "C:\\A", ""), "5/12/2026, 1:45:44am - TESTPC (Linux)");
    EXPECT_EQ(readText(ProgramKey(), "", ""),
              "Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am "
              "(Settings at 5/12/2026, 1:45:44am)");

    EXPECT_TRUE(saveStoredEntries({"/z", "C:\\B", "/a"}, Moment));
    EXPECT_EQ(storedEntries(), QStringList({"/z", "C:\\B", "/a"}));
}

TEST_F(DirectoryStoreTest, OnlyStringValuesWithANonBlankNameAreEntriesAndOthersSurviveASave) {
    const QString key = ProgramKey();
    WriteSetting(MachineRoot, key, "ThisIsNotAPath", "S", "hand made");
    WriteSetting(MachineRoot, key, "ShowHiddenMenu", "B", true);
    WriteSetting(MachineRoot, key, "/as/number", "D", 7);
    WriteSetting(MachineRoot, key, "   ", "S", "blank name");
    WriteSetting(MachineRoot, key + "\\Settings", "/in/subkey", "S", "other key");
    EXPECT_EQ(storedEntries(), QStringList{"ThisIsNotAPath"});

    EXPECT_TRUE(saveStoredEntries({"/new"}, Moment));
    EXPECT_EQ(storedEntries(), QStringList{"/new"});
    EXPECT_TRUE(readBool(key, "ShowHiddenMenu", false));
    EXPECT_EQ(readNumber(key, "/as/number", 0), 7);
    EXPECT_EQ(readText(key + "\\Settings", "/in/subkey", ""), "other key");
}

TEST_F(DirectoryStoreTest, NoteAndStampAtOtherMoments) {
    EXPECT_EQ(saveStamp(QDateTime(QDate(2025, 3, 30), QTime(13, 5, 9))),
              "Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am "
              "(Settings at 30/03/2025, 1:05:09pm)");
    environment.set("OS", "Windows_NT");
    fakes.system->host = "OFFICEPC";
    EXPECT_EQ(entryNote(QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0))),
              "2/01/2026, 12:00:00am - OFFICEPC (Windows_NT)");
}

TEST(PathForList, TrimsAndDropsOneTrailingSeparator) {
    const QList<std::pair<QString, QString>> cases = {
        {"  ", ""},
        {"\\", ""},
        {"  D:\\Data\\\\ ", "D:\\Data\\"},
        {"D:\\", "D:"},
        {"  /  ", "/"},
        {"//", "/"},
        {"/home/x/", "/home/x"},
        {"x \\", "x "},
        {":Documents:\\Letters", ":Documents:\\Letters"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(pathForList(path), expected) << '"' << path.toStdString() << '"';
}

} // namespace
} // namespace pathwick
