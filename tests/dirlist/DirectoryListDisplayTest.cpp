#include "DirListTestSupport.h"

#include "dirlist/DirectoryListDisplay.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

using DirectoryListDisplayTest = DirListTest;

TEST_F(DirectoryListDisplayTest, AllDrivesListsEveryEntryAsStored) {
    store({":Documents:\\Letters", "/work", ":Network:", "C:\\Work\\"});
    WriteSetting(MachineRoot, ProgramKey(), "NotAnEntry", "B", true);
    const DirectoryListDisplay display = ShowDirectoryList("");
    EXPECT_EQ(display.text, "Directory list.\r\n"
                            "\t:Documents:\\Letters\r\n"
                            "\t/work\r\n"
                            "\t:Network:\r\n"
                            "\tC:\\Work\\\r\n");
    EXPECT_EQ(display.count, 4);
    EXPECT_EQ(ShowDirectoryList("&").text, display.text);
}

TEST_F(DirectoryListDisplayTest, ADriveShowsOnlyTheEntriesWhoseExpansionLiesOnIt) {
    store({":Documents:\\Letters", "/work", ":Network:", folders.home() + "/x", ":SysDrive:\\etc",
           ":recyclebin:"});
    const DirectoryListDisplay home = ShowDirectoryList("&" + folders.home());
    EXPECT_EQ(home.text, "Directory list for drive " + folders.home() + ".\r\n" +
                             "\t:Documents:\\Letters\r\n" + "\t" + folders.home() + "/x\r\n");
    EXPECT_EQ(home.count, 2);

    const DirectoryListDisplay root = ShowDirectoryList("/");
    EXPECT_EQ(root.text, "Directory list for drive /.\r\n"
                         "\t/work\r\n"
                         "\t:SysDrive:\\etc\r\n"
                         "\t:recyclebin:\r\n");
    EXPECT_EQ(root.count, 3);
}

TEST_F(DirectoryListDisplayTest, NothingListed) {
    const DirectoryListDisplay all = ShowDirectoryList("");
    EXPECT_EQ(all.text, "Directory list.\r\n\t" + folders.folder("Docs") + "\r\n");
    EXPECT_EQ(all.count, 1);

    store({"/work"});
    const DirectoryListDisplay drive = ShowDirectoryList("&/media/E");
    EXPECT_EQ(drive.text, "Directory list for drive /media/E.\r\n"
                          "\t** There are no listed directories for drive /media/E **\r\n");
    EXPECT_EQ(drive.count, 0);
}

} // namespace
} // namespace pathwick::test
