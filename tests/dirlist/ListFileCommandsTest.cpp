#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"

#include "common/RecordFileDialogs.h"
#include "dirlist/ListFileCommands.h"

namespace pathwick::test {
namespace {

using ListFileCommandsTest = DirListTest;

// Where Yes replaces data, Enter must answer No.
TEST_F(ListFileCommandsTest, ExportProposesADatedListFileInDocumentsAndAsksBeforeReplacing) {
    store({"/a", ":Music:"});
    ModalAnswers answers;
    const QList<SeenModal>& seen = answers.seen();
    answers.choose(file("chosen"));
    exportListInteractive(nullptr);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].directory, folders.folder("Docs"));
    EXPECT_TRUE(seen[0].proposedName.startsWith("PathwickList_2"));
    // The default suffix is added to a name without one.
    EXPECT_TRUE(readBytes(file("chosen.dirl")).endsWith("\r\n/a\r\n:Music:\r\n"));

    // An existing file: No shows the dialog again.
    writeBytes(file("chosen.dirl"), "keep me");
    answers.choose(file("chosen.dirl")).press(QMessageBox::No).cancel();
    exportListInteractive(nullptr);
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[2].text, "Warning:\r\nFile; chosen.dirl already exists.");
    EXPECT_EQ(seen[2].defaultButton, QMessageBox::No);
    EXPECT_EQ(readBytes(file("chosen.dirl")), "keep me");
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(ListFileCommandsTest, ImportAsksAboutDoubtfulSizesKeepsWithAltAndReportsErrors) {
    for (const qint64 size : {9, 10, 20000, 20001})
        EXPECT_EQ(recordFileSizeIsDoubtful(size), size == 9 || size == 20001) << size;
    store({"/stored"});
    writeBytes(file("small.dirl"), "/f/0001\r\n");
    ModalAnswers answers;
    const QList<SeenModal>& seen = answers.seen();
    // Alt held keeps the stored list and adds to it.
    fakes.keys->down.insert(18);
    answers.choose(file("small.dirl")).press(QMessageBox::Yes);
    EXPECT_TRUE(importListInteractive(nullptr));
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].text, "File; small.dirl\r\nsize is 9 bytes.\r\nThis may be an invalid "
                            "file!\r\nLoad list from this file anyway?");
    EXPECT_EQ(seen[1].defaultButton, QMessageBox::No);
    EXPECT_EQ(storedEntries(), QStringList({"/stored", "/f/0001"}));

    writeBytes(file("picture.dirl"), QByteArray("GIF89a\x01\0\x01\0", 10));
    answers.choose(file("picture.dirl")).press(QMessageBox::Ok);
    EXPECT_FALSE(importListInteractive(nullptr));
    EXPECT_EQ(seen.value(3).text,
              "Import error:\r\n\tInvalid file format: line 1 holds a control character (code 1), "
              "so this is not a list file.\r\n\tError number; 321");
    EXPECT_EQ(storedEntries(), QStringList({"/stored", "/f/0001"}));
    answers.press(QMessageBox::Ok);
    EXPECT_FALSE(DirListFile(folders.home() + "/no/such/x.dirl", true, true, false));
    EXPECT_EQ(seen.value(4).text, "Export error:\r\n\tPath not found\r\n\tError number; 76");
    EXPECT_EQ(answers.unexpected(), 0);
}

} // namespace
} // namespace pathwick::test
