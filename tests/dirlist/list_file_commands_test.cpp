#include "dirlist/DirectoryStore.h"
#include "dirlist/ListFileCommands.h"
#include "modal_answers.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempStore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace pathwick;
using test::ModalAnswers;

namespace {

const QDateTime Moment(QDate(2026, 12, 5), QTime(2, 18, 17));

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A file of exactly size bytes holding the entries /f/000... (and filler on the last line).
QByteArray listOfSize(int size) {
    QByteArray bytes;
    for (int i = 0; bytes.size() + 10 <= size; ++i)
        bytes += "/f/" + QByteArray::number(i).rightJustified(5, '0') + "\r\n";
    return bytes + QByteArray(size - bytes.size(), 'x');
}

// The dialogs start in the Documents folder of a home of the test's own.
class ListFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousHome = qgetenv("HOME");
        qputenv("HOME", store.folder().toLocal8Bit());
        ASSERT_TRUE(QDir(store.folder()).mkpath(QStringLiteral("Documents")));
        documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        ASSERT_TRUE(documents.startsWith(store.folder()));
    }
    void TearDown() override { qputenv("HOME", previousHome); }

    QString file(const QString& name) const { return documents + u'/' + name; }

    test::TempStore store;
    platform::fake::FakePlatform fakes;
    QByteArray previousHome;
    QString documents;
};

} // namespace

TEST_F(ListFileCommandsTest, ExportDialogProposesADatedListFileInDocuments) {
    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/a"), QStringLiteral(":Music:")}, Moment));
    ModalAnswers answers;
    answers.choose(file(QStringLiteral("chosen")));
    exportListInteractive(nullptr);

    ASSERT_EQ(answers.seen().size(), 1);
    const test::SeenModal& dialog = answers.seen().at(0);
    EXPECT_TRUE(dialog.isFileDialog);
    EXPECT_TRUE(dialog.saving);
    EXPECT_EQ(dialog.title, QStringLiteral("Export list to file:"));
    EXPECT_EQ(dialog.directory, documents);
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^PathwickList_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d$"))
                    .match(dialog.proposedName)
                    .hasMatch())
        << qPrintable(dialog.proposedName);
    EXPECT_EQ(dialog.nameFilters, QStringList({QStringLiteral("Dir list file (.dirl) (*.dirl)"),
                                               QStringLiteral("Text file (.txt) (*.txt)"),
                                               QStringLiteral("Data file (.dat) (*.dat)"),
                                               QStringLiteral("All types (*)")}));
    EXPECT_EQ(dialog.defaultSuffix, QStringLiteral("dirl"));

    // The default suffix is added to a name without one.
    const QByteArray written = readBytes(file(QStringLiteral("chosen.dirl")));
    EXPECT_TRUE(written.startsWith("\xB9 Pathwick (0.01.0016 - 30/03/2025 -  9:50am)\r\n"));
    EXPECT_TRUE(written.endsWith("\r\n/a\r\n:Music:\r\n"));
    EXPECT_TRUE(written.contains("\xB9 File: \t" + file(QStringLiteral("chosen.dirl")).toUtf8()));
}

TEST_F(ListFileCommandsTest, ExportAsksBeforeReplacingAFile) {
    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/a")}, Moment));
    const QString path = file(QStringLiteral("old.dirl"));
    writeBytes(path, "keep me");

    ModalAnswers answers;
    answers.choose(path).press(QMessageBox::No).cancel();
    exportListInteractive(nullptr);
    ASSERT_EQ(answers.seen().size(), 3);
    EXPECT_EQ(answers.seen().at(1).title, QStringLiteral("Pathwick - Not found."));
    EXPECT_EQ(answers.seen().at(1).text,
              QStringLiteral("Warning:\r\nFile; old.dirl already exists."));
    EXPECT_EQ(answers.seen().at(1).icon, QMessageBox::Warning);
    EXPECT_EQ(answers.seen().at(1).buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(answers.seen().at(2).isFileDialog);
    EXPECT_EQ(readBytes(path), QByteArray("keep me"));

    answers.choose(path).press(QMessageBox::Yes);
    exportListInteractive(nullptr);
    EXPECT_TRUE(readBytes(path).endsWith("\r\n/a\r\n"));
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(ListFileCommandsTest, ImportAsksForMissingFilesAndDoubtfulSizes) {
    const QStringList stored = {QStringLiteral("/stored")};
    ASSERT_TRUE(saveStoredEntries(stored, Moment));
    for (int size : {9, 10, 20000, 20001})
        writeBytes(file(QString::number(size)), listOfSize(size));

    ModalAnswers answers;
    answers.choose(file(QStringLiteral("missing.dirl"))).press(QMessageBox::Cancel);
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("Import list from file:"));
    EXPECT_FALSE(answers.seen().at(0).saving);
    EXPECT_EQ(answers.seen().at(1).title, QStringLiteral("Pathwick - Not found."));
    EXPECT_EQ(answers.seen().at(1).text, QStringLiteral("Can't find file;\r\nmissing.dirl"));
    EXPECT_EQ(answers.seen().at(1).buttons, QMessageBox::Retry | QMessageBox::Cancel);

    // 9 bytes: asked, No shows the dialog again, which is cancelled.
    answers.choose(file(QStringLiteral("9"))).press(QMessageBox::No).cancel();
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 5);
    EXPECT_EQ(answers.seen().at(3).text,
              QStringLiteral("File; 9\r\nsize is 9 bytes.\r\nThis may be an invalid file!\r\n"
                             "Load list from this file anyway?"));
    EXPECT_EQ(answers.seen().at(3).buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(answers.seen().at(4).isFileDialog);
    EXPECT_EQ(storedEntries(), stored);

    // 10 and 20000 bytes load without a question.
    for (const char* name : {"10", "20000"}) {
        const int before = answers.seen().size();
        answers.choose(file(QString::fromLatin1(name)));
        EXPECT_TRUE(importListInteractive(nullptr)) << name;
        EXPECT_EQ(answers.seen().size(), before + 1) << name;
        EXPECT_EQ(storedEntries().value(0), QStringLiteral("/f/00000")) << name;
    }

    // Retry after a missing file, then 20001 bytes: asked, Yes loads.
    answers.choose(file(QStringLiteral("nope"))).press(QMessageBox::Retry);
    answers.choose(file(QStringLiteral("20001"))).press(QMessageBox::Yes);
    EXPECT_TRUE(importListInteractive(nullptr));
    EXPECT_TRUE(answers.seen().last().text.startsWith(
        QStringLiteral("File; 20001\r\nsize is 20,001 bytes.\r\n")));
    EXPECT_EQ(storedEntries().size(), 2001);
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(ListFileCommandsTest, AltHeldWhileImportingKeepsTheStoredList) {
    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/stored")}, Moment));
    writeBytes(file(QStringLiteral("one.dirl")), "/from/file\r\n");
    ModalAnswers answers;

    fakes.keys->down.insert(18);
    answers.choose(file(QStringLiteral("one.dirl")));
    EXPECT_TRUE(importListInteractive(nullptr));
    EXPECT_EQ(storedEntries(),
              QStringList({QStringLiteral("/stored"), QStringLiteral("/from/file")}));

    fakes.keys->down.clear();
    answers.choose(file(QStringLiteral("one.dirl")));
    EXPECT_TRUE(importListInteractive(nullptr));
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/from/file")}));
}

TEST_F(ListFileCommandsTest, ErrorsAreReportedAndChangeNothing) {
    const QStringList stored = {QStringLiteral("/stored")};
    ASSERT_TRUE(saveStoredEntries(stored, Moment));
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 37) % 256);
    writeBytes(file(QStringLiteral("picture.dirl")), binary);

    ModalAnswers answers;
    answers.choose(file(QStringLiteral("picture.dirl"))).press(QMessageBox::Ok);
    EXPECT_FALSE(importListInteractive(nullptr));
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen().at(1).title, QStringLiteral("Pathwick - Import/Export error."));
    EXPECT_EQ(answers.seen().at(1).icon, QMessageBox::Warning);
    EXPECT_EQ(answers.seen().at(1).text,
              QStringLiteral("Import error:\r\n\tInvalid file format: line 1 holds a control "
                             "character (code 0), so this is not a list file.\r\n\tError number; "
                             "321"));
    EXPECT_EQ(storedEntries(), stored);

    answers.press(QMessageBox::Ok);
    EXPECT_FALSE(
        DirListFile(store.folder() + QStringLiteral("/no/such/x.dirl"), true, true, false));
    EXPECT_EQ(answers.seen().at(2).text,
              QStringLiteral("Export error:\r\n\tPath not found\r\n\tError number; 76"));
    EXPECT_EQ(answers.unexpected(), 0);
}
