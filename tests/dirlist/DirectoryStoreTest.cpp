#include "DirListTestSupport.h"
#include "common/Version.h"

#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

using DirectoryStoreTest = DirListTest;

// Only string values with a non-blank name are entries; a save replaces them and keeps the
// other values.
TEST_F(DirectoryStoreTest, SaveKeepsOrderTrimsAndDropsBlankItemsAndDuplicates) {
    const QString key = ProgramKey();
    WriteSetting(MachineRoot, key, "/as/number", "D", 7);
    WriteSetting(MachineRoot, key + "\\Settings", "/in/subkey", "S", "other key");
    store({"C:\\A", "  ", "", "  :Documents:\\Letters  ", "C:\\B", "C:\\A", "c:\\b"});
    EXPECT_EQ(storedEntries(), QStringList({"C:\\A", ":Documents:\\Letters", "C:\\B"}));
    EXPECT_EQ(readText(key, "C:\\A", ""), "5/12/2026, 2:18:17am - TESTPC (Linux)");
    // A blank item would have replaced the unnamed stamp.
    EXPECT_EQ(readText(key, "", ""), SavedWithStamp("Settings at 5/12/2026, 2:18:17am"));
    EXPECT_EQ(readNumber(key, "/as/number", 0), 7);

    store({"/z", "C:\\B", "/a"});
    WriteSetting(MachineRoot, key, "   ", "S", "blank name");
    EXPECT_EQ(storedEntries(), QStringList({"/z", "C:\\B", "/a"}));
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
