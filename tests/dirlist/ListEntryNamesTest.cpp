#include "DirListTestSupport.h"

#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

// The list shares the program's key with its settings; an entry named like one replaced it,
// and the next save deleted it. The editor's refusal where an entry is added is its own test's.
class ListEntryNamesTest : public DirListTest {
protected:
    ListEntryNamesTest() {
        write(catalogue::HotKeysRunning, false);
        write(catalogue::UserShutdownTimeHours, 77);
    }
    static bool settingsKept() {
        return !read(catalogue::HotKeysRunning) && read(catalogue::UserShutdownTimeHours) == 77;
    }
    const QString file = folders.home() + "/list.dirl";
};

TEST_F(ListEntryNamesTest, NoEntryReplacesASettingOrShowsOne) {
    for (const char* name : {"hotkeys_running", "  USERSHUTDOWNTIMEHOURS "}) {
        store({"/a", name});
        EXPECT_TRUE(settingsKept()) << name;
        writeBytes(file, "/c\r\n" + QByteArray(name) + "\r\n");
        const RecordFileError error = importDirectoryList(file, true, Moment);
        EXPECT_TRUE(error.description.contains(QString(name).trimmed())) << name;
        EXPECT_TRUE(settingsKept()) << name;
    }
    WriteSetting(MachineRoot, ProgramKey(), "ShowHiddenMenu", "S", "from an older save");
    EXPECT_EQ(storedEntries(), QStringList{"/a"});
    EXPECT_EQ(listEntryRefusal("showHiddenMenu2"), "");
}

// A header line is kept as a number value named after its letters and digits, every other
// character the marker: "¹a" names both the header line "¹a" and the entry line "¹¹a".
TEST_F(ListEntryNamesTest, NoHeaderValueReplacesAnEntry) {
    store({"\u00b9b"});
    writeBytes(file, "\xb9\xb9"
                     "a\r\n\xb9"
                     "a\r\n\xb9"
                     "B\r\n");
    ASSERT_FALSE(importDirectoryList(file, true, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"\u00b9b", "\u00b9a"}));
}

} // namespace
} // namespace pathwick::test
