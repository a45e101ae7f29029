#include "TempUserFolders.h"

#include "dirlist/DirectoryStore.h"
#include "dirlist/OpeningRun.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

const QString Hint = "Click on Menu - Settings to edit list of directories.\r\n\r\n";

class OpeningRunTest : public testing::Test {
protected:
    void SetUp() override {
        fakes.volumes->items = {{"/", "/dev/sda1", "root"}, {folders.home(), "/dev/sdb1", "HOME"}};
        QDir().mkpath(folders.folder("Docs") + "/Letters");
        QDir().mkpath(folders.home() + "/Work");
        QDir().mkpath(site);
        QFile(file).open(QIODevice::WriteOnly);
    }
    void store(const QStringList& entries) {
        ASSERT_TRUE(saveStoredEntries(entries, QDateTime(QDate(2026, 1, 1), QTime(9, 0))));
    }

    test::TempStore tempStore;
    platform::fake::FakePlatform fakes;
    test::TempUserFolders folders;
    QTemporaryDir scratch;
    const QString site = scratch.filePath("Site");
    const QString missing = scratch.filePath("Missing");
    const QString file = scratch.filePath("a.txt");
};

TEST_F(OpeningRunTest, EveryEntryGetsItsLineAndTheRunGoesOnPastFailures) {
    store({":documents:\\Letters", missing, ":Network:", file, site + "/", ":RecycleBin:"});
    const OpeningRunResult run = runOpeningRun("");
    EXPECT_EQ(run.caption, "Can't open or find some directories:");
    EXPECT_EQ(run.text, "Failed to open 2 out of 6 directories.\r\n" + Hint +
                            "Opening:\r\n"
                            "Opened dir; \t:documents:\\Letters\r\n"
                            "Can't find; \t" +
                            missing + "\r\nOpened dir; \t:Network:\r\nCan't find; \t" + file +
                            "\r\nOpened dir; \t" + site + "/\r\nOpened dir; \t:RecycleBin:\r\n");
    EXPECT_EQ(run.tried, 6);
    EXPECT_EQ(run.opened, 4);
    EXPECT_FALSE(run.allOpened);
    EXPECT_EQ(fakes.shell->targets(),
              QStringList({folders.folder("Docs") + "/Letters", "shell:NetworkPlacesFolder", site,
                           "shell:RecycleBinFolder"}));
}

TEST_F(OpeningRunTest, ADriveTriesOnlyItsOwnEntries) {
    const QString missingAtHome = folders.home() + "/Missing";
    store({site, ":Documents:\\Letters", ":Network:", missingAtHome, folders.home() + "/Work"});
    const OpeningRunResult run = runOpeningRun("&" + folders.home());
    EXPECT_EQ(run.text, "Failed to open 1 out of 3 directories.\r\n" + Hint +
                            "Opening:\r\n"
                            "Opened dir; \t:Documents:\\Letters\r\n"
                            "Can't find; \t" +
                            missingAtHome + "\r\nOpened dir; \t" + folders.home() + "/Work\r\n");
    EXPECT_EQ(fakes.shell->targets(),
              QStringList({folders.folder("Docs") + "/Letters", folders.home() + "/Work"}));
}

TEST_F(OpeningRunTest, AllOpenedOrNothingListedGivesTheVersionCaption) {
    const OpeningRunResult empty = runOpeningRun("");
    EXPECT_EQ(empty.caption, "Pathwick - version 0.01.0016");
    EXPECT_EQ(empty.text, "Opening:\r\n");
    EXPECT_EQ(empty.tried, 0);
    EXPECT_TRUE(fakes.shell->calls.isEmpty());

    store({site, ":Documents:\\Letters"});
    const OpeningRunResult run = runOpeningRun("");
    EXPECT_EQ(run.caption, "Pathwick - version 0.01.0016");
    EXPECT_EQ(run.text,
              "Opening:\r\nOpened dir; \t" + site + "\r\nOpened dir; \t:Documents:\\Letters\r\n");
    EXPECT_EQ(runOpeningRun("/media/E").caption, "Pathwick - version 0.01.0016");
}

TEST_F(OpeningRunTest, SummaryNumbersHaveThousandsSeparators) {
    QStringList entries(1234, QString());
    for (int i = 0; i < entries.size(); ++i)
        entries[i] = missing + QString::number(i);
    store(entries << site);
    EXPECT_TRUE(
        runOpeningRun("").text.startsWith("Failed to open 1,234 out of 1,235 directories.\r\n"));
}

TEST(OpenDirsMenuEntry, CaptionAndStateFollowTheListedCount) {
    EXPECT_EQ(openDirsCaption(0), "No Directories listed");
    EXPECT_EQ(openDirsCaption(1), "Open &Directory");
    EXPECT_EQ(openDirsCaption(2), "&Open Directories (2)");
    EXPECT_EQ(openDirsCaption(1234), "&Open Directories (1,234)");
    EXPECT_FALSE(openDirsEnabled(0));
    EXPECT_TRUE(openDirsEnabled(1));
}

} // namespace
} // namespace pathwick
