#include "DirListTestSupport.h"
#include "common/Version.h"

#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"

namespace pathwick::test {
namespace {

using DirectoryStoreTest = DirListTest;

// The string values of the key in store order, the unnamed stamp included.
QStringList stringValueNames() {
    QStringList names;
    for (const ListedValue& value : listValues(MachineRoot, ProgramKey()))
        if (value.type == "S")
            names.append(value.name);
    return names;
}

TEST_F(DirectoryStoreTest, SaveKeepsOrderTrimsAndDropsBlankItemsAndDuplicates) {
    store({"C:\\A", "  ", "", "  :Documents:\\Letters  ", "C:\\B", "C:\\A", "c:\\b"});
    EXPECT_EQ(storedEntries(), QStringList({"C:\\A", ":Documents:\\Letters", "C:\\B"}));
    EXPECT_EQ(stringValueNames(), QStringList({"", "C:\\A", ":Documents:\\Letters", "C:\\B"}));
    EXPECT_EQ(readText(ProgramKey(), "C:\\A", ""), "5/12/2026, 2:18:17am - TESTPC (Linux)");
    EXPECT_EQ(readText(ProgramKey(), "", ""), SavedWithStamp("Settings at 5/12/2026, 2:18:17am"));

    store({"/z", "C:\\B", "/a"});
    EXPECT_EQ(storedEntries(), QStringList({"/z", "C:\\B", "/a"}));
}

TEST_F(DirectoryStoreTest, OnlyStringValuesWithANonBlankNameAreEntries) {
    const QString key = ProgramKey();
    WriteSetting(MachineRoot, key, "ThisIsNotAPath", "S", "hand made");
    WriteSetting(MachineRoot, key, "/as/number", "D", 7);
    WriteSetting(MachineRoot, key, "   ", "S", "blank name");
    WriteSetting(MachineRoot, key + "\\Settings", "/in/subkey", "S", "other key");
    EXPECT_EQ(storedEntries(), QStringList{"ThisIsNotAPath"});
    store({"/new"});
    EXPECT_EQ(readNumber(key, "/as/number", 0), 7);
}

TEST(PathForList, TrimsAndDropsOneTrailingSeparator) {
    const std::pair<QString, QString> cases[] = {
        {"  ", ""},  {"  D:\\Data\\\\ ", "D:\\Data\\"}, {"D:\\", "D:"},
        {"//", "/"}, {"/home/x/", "/home/x"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(pathForList(path), expected) << '"' << path.toStdString() << '"';
}

} // namespace
} // namespace pathwick::test
