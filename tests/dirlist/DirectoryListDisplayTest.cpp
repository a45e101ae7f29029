#include "DirListTestSupport.h"

#include "dirlist/DirectoryListDisplay.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

using DirectoryListDisplayTest = DirListTest;

// Entries are listed as stored; a drive keeps those whose expansion lies on it (Drives' rule).
TEST_F(DirectoryListDisplayTest, EntriesAsStoredForAllDrivesOrOne) {
    const DirectoryListDisplay none = ShowDirectoryList("");
    EXPECT_EQ(none.text, "Directory list.\r\n\t" + folders.folder("Docs") + "\r\n");
    EXPECT_EQ(none.count, 1);

    store({":Documents:\\Letters", "/work", ":Network:", folders.home() + "/x"});
    WriteSetting(MachineRoot, ProgramKey(), "NotAnEntry", "B", true);
    const DirectoryListDisplay all = ShowDirectoryList("&");
    EXPECT_EQ(all.text, "Directory list.\r\n\t:Documents:\\Letters\r\n\t/work\r\n\t:Network:\r\n\t" +
                            folders.home() + "/x\r\n");
    EXPECT_EQ(all.count, 4);
    const DirectoryListDisplay home = ShowDirectoryList("&" + folders.home());
    EXPECT_EQ(home.text, "Directory list for drive " + folders.home() + ".\r\n" +
                             "\t:Documents:\\Letters\r\n" + "\t" + folders.home() + "/x\r\n");
    EXPECT_EQ(home.count, 2);

    const DirectoryListDisplay drive = ShowDirectoryList("&/media/E");
    EXPECT_EQ(drive.text, "Directory list for drive /media/E.\r\n"
                          "\t** There are no listed directories for drive /media/E **\r\n");
    EXPECT_EQ(drive.count, 0);
}

} // namespace
} // namespace pathwick::test
