#include "DirListTestSupport.h"
#include "common/Version.h"

#include "dirlist/OpeningRun.h"

namespace pathwick::test {
namespace {

const QString Hint = "Click on Menu - Settings to edit list of directories.\r\n\r\n";

class OpeningRunTest : public DirListTest {
protected:
    OpeningRunTest() {
        QDir().mkpath(letters);
        QDir().mkpath(work);
    }
    const QString letters = folders.folder("Docs") + "/Letters";
    const QString work = folders.home() + "/Work";
    const QString missing = folders.home() + "/Missing";
};

// The run through the real launcher checks a long list with every kind of entry.
TEST_F(OpeningRunTest, ADriveTriesOnlyItsOwnEntriesAndTheRunGoesOnPastFailures) {
    store({"/tmp", ":Documents:\\Letters", ":Network:", missing, work});
    const OpeningRunResult run = runOpeningRun("&" + folders.home());
    EXPECT_EQ(run.text, "Failed to open 1 out of 3 directories.\r\n" + Hint +
                            "Opening:\r\nOpened dir; \t:Documents:\\Letters\r\nCan't find; \t" +
                            missing + "\r\nOpened dir; \t" + work + "\r\n");
    EXPECT_EQ(run.caption, "Can't open or find some directories:");
    EXPECT_EQ(run.tried, 3);
    EXPECT_EQ(run.opened, 2);
    EXPECT_FALSE(run.allOpened);
    EXPECT_EQ(fakes.shell->targets(), QStringList({letters, work}));
}

TEST_F(OpeningRunTest, AllOpenedOrNothingListedGivesTheVersionCaption) {
    const OpeningRunResult empty = runOpeningRun("");
    EXPECT_EQ(empty.caption, VersionCaption());
    EXPECT_EQ(empty.text, "Opening:\r\n");
    EXPECT_EQ(empty.tried, 0);

    store({work, ":Documents:\\Letters"});
    const OpeningRunResult run = runOpeningRun("");
    EXPECT_EQ(run.caption, VersionCaption());
    EXPECT_EQ(run.text,
              "Opening:\r\nOpened dir; \t" + work + "\r\nOpened dir; \t:Documents:\\Letters\r\n");
    EXPECT_EQ(runOpeningRun("/media/E").caption, VersionCaption());
    EXPECT_EQ(fakes.shell->targets(), QStringList({work, letters}));
}

TEST(OpenDirsMenuEntry, CaptionAndStateFollowTheListedCount) {
    const std::pair<int, QString> cases[] = {{0, "No Directories listed"},
                                             {1, "Open &Directory"},
                                             {2, "&Open Directories (2)"},
                                             {1234, "&Open Directories (1,234)"}};
    for (const auto& [count, caption] : cases) {
        EXPECT_EQ(openDirsCaption(count), caption);
        EXPECT_EQ(openDirsEnabled(count), count > 0);
    }
}

} // namespace
} // namespace pathwick::test
