#include "DirListTestSupport.h"
#include "common/Version.h"

#include "dirlist/DirectoryListDisplay.h"
#include "dirlist/OpeningRun.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

using DriveFilterTest = DirListTest;

// Entries are listed and opened as stored; a drive keeps those whose expansion lies on it
// (the drive rule is the Drives test's). The launcher test checks the run's text.
TEST_F(DriveFilterTest, EntriesOfAllDrivesOrOneAreListedAndOpened) {
    const DirectoryListDisplay none = ShowDirectoryList("");
    EXPECT_EQ(none.text, "Directory list.\r\n\t" + folders.folder("Docs") + "\r\n");
    EXPECT_EQ(none.count, 1);

    const QString work = folders.home() + "/Work";
    QDir().mkpath(work);
    store({work, ":Documents:", "/work", ":Network:", folders.home() + "/Missing"});
    WriteSetting(MachineRoot, ProgramKey(), "NotAnEntry", "B", true);
    EXPECT_EQ(ShowDirectoryList("&").count, 5);
    const DirectoryListDisplay home = ShowDirectoryList("&" + folders.home());
    EXPECT_EQ(home.text, "Directory list for drive " + folders.home() + ".\r\n\t" + work +
                             "\r\n\t:Documents:\r\n\t" + folders.home() + "/Missing\r\n");
    EXPECT_EQ(ShowDirectoryList("&/media/E").text,
              "Directory list for drive /media/E.\r\n"
              "\t** There are no listed directories for drive /media/E **\r\n");

    EXPECT_EQ(runOpeningRun("/media/E").caption, VersionCaption());
    const OpeningRunResult run = runOpeningRun("&" + folders.home());
    EXPECT_EQ(run.caption, "Can't open or find some directories:");
    EXPECT_EQ(run.tried, 3);
    EXPECT_EQ(fakes.shell->targets(), QStringList({work, folders.folder("Docs")}));
}

} // namespace
} // namespace pathwick::test
