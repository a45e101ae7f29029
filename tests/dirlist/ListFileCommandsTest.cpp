#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"

#include "dirlist/ListFileCommands.h"

namespace pathwick::test {
namespace {

// A file of exactly size bytes holding the entries /f/00000, /f/00001... and filler.
QByteArray listOfSize(int size) {
    QByteArray bytes;
    for (int i = 0; bytes.size() + 10 <= size; ++i)
        bytes += "/f/" + QByteArray::number(i).rightJustified(5, '0') + "\r\n";
    return bytes + QByteArray(size - bytes.size(), 'x');
}

using ListFileCommandsTest = DirListTest;

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

    // An existing file: No shows the dialog again, Yes replaces the file.
    writeBytes(file("chosen.dirl"), "keep me");
    answers.choose(file("chosen.dirl")).press(QMessageBox::No).cancel();
    exportListInteractive(nullptr);
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[2].text, "Warning:\r\nFile; chosen.dirl already exists.");
    // Enter must not replace a file.
    EXPECT_EQ(seen[2].defaultButton, QMessageBox::No);
    EXPECT_EQ(readBytes(file("chosen.dirl")), "keep me");
    answers.choose(file("chosen.dirl")).press(QMessageBox::Yes);
    exportListInteractive(nullptr);
    EXPECT_TRUE(readBytes(file("chosen.dirl")).endsWith("\r\n/a\r\n:Music:\r\n"));
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(ListFileCommandsTest, ImportAsksForMissingFilesAndSizesOutside10To20000Bytes) {
    store({"/stored"});
    ModalAnswers answers;
    // A missing file: Retry shows the dialog again, Cancel ends the command.
    answers.choose(file("missing.dirl")).press(QMessageBox::Retry);
    answers.choose(file("missing.dirl")).press(QMessageBox::Cancel);
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 4);

    // 9 bytes: asked; No shows the dialog again, which is cancelled.
    writeBytes(file("9"), listOfSize(9));
    answers.choose(file("9")).press(QMessageBox::No).cancel();
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 7);
    EXPECT_EQ(answers.seen().at(5).text, "File; 9\r\nsize is 9 bytes.\r\nThis may be an invalid "
                                         "file!\r\nLoad list from this file anyway?");
    EXPECT_EQ(answers.seen().at(5).defaultButton, QMessageBox::No);
    EXPECT_EQ(storedEntries(), QStringList{"/stored"});

    // 20000 bytes load without a question; 20001 bytes are asked about, Yes loads.
    for (int size : {20000, 20001}) {
        SCOPED_TRACE(size);
        const qsizetype before = answers.seen().size();
        writeBytes(file(QString::number(size)), listOfSize(size));
        answers.choose(file(QString::number(size)));
        if (size == 20001)
            answers.press(QMessageBox::Yes);
        EXPECT_TRUE(importListInteractive(nullptr));
        EXPECT_EQ(answers.seen().size(), before + (size == 20001 ? 2 : 1));
        EXPECT_EQ(storedEntries().value(0), "/f/00000");
    }
    EXPECT_EQ(storedEntries().size(), 2001);

    // Alt held while importing keeps the stored list and adds what it lacks.
    writeBytes(file("two.dirl"), "/f/00000\r\n/from/file\r\n");
    fakes.keys->down.insert(18);
    answers.choose(file("two.dirl"));
    EXPECT_TRUE(importListInteractive(nullptr));
    EXPECT_EQ(storedEntries().size(), 2002);
    EXPECT_EQ(storedEntries().last(), "/from/file");
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(ListFileCommandsTest, ErrorsAreReportedAndChangeNothing) {
    store({"/stored"});
    writeBytes(file("picture.dirl"), QByteArray("GIF89a\x01\0\x01\0", 10));
    ModalAnswers answers;
    answers.choose(file("picture.dirl")).press(QMessageBox::Ok);
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen().at(1).text,
              "Import error:\r\n\tInvalid file format: line 1 holds a control character (code 1), "
              "so this is not a list file.\r\n\tError number; 321");
    EXPECT_EQ(storedEntries(), QStringList{"/stored"});

    answers.press(QMessageBox::Ok);
    EXPECT_FALSE(DirListFile(folders.home() + "/no/such/x.dirl", true, true, false));
    EXPECT_EQ(answers.seen().at(2).text, "Export error:\r\n\tPath not found\r\n\tError number; 76");
    EXPECT_EQ(answers.unexpected(), 0);
}

} // namespace
} // namespace pathwick::test
