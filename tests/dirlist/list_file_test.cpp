#include "dirlist/DirectoryStore.h"
#include "dirlist/ListFile.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/StoreLocation.h"
#include "support/TempStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

const QString M = QString(QChar(0xB9));
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

QList<ListedValue> valuesOfType(const QString& type) {
    QList<ListedValue> out;
    for (const ListedValue& value : listValues(MachineRoot, ProgramKey()))
        if (value.type == type)
            out.append(value);
    return out;
}

QString readString(const QString& name) {
    QVariant value;
    ReadSetting(MachineRoot, ProgramKey(), name, QStringLiteral("S"), QString(), value);
    return value.toString();
}

QStringList numbered(const QString& prefix, int count) {
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(prefix + QString::number(i));
    return items;
}

// A store and a folder for the files; the platform's computer name is TESTPC.
class ListFileTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return store.folder() + u'/' + name; }

    test::TempStore store;
    platform::fake::FakePlatform fakes;
};

} // namespace

TEST(ListFileNames, SafeValueNameKeepsOnlyAsciiLettersAndDigits) {
    EXPECT_EQ(SafeValueName(M + QStringLiteral(" Directories listed"), M),
              M + M + QStringLiteral("Directories") + M + QStringLiteral("listed"));
    EXPECT_EQ(SafeValueName(M + QStringLiteral(" Date: \t5/12/2026, 2:18:17am"), M),
              QStringLiteral("\u00b9\u00b9Date\u00b9\u00b9\u00b95\u00b912\u00b92026\u00b9\u00b92"
                             "\u00b918\u00b917am"));
    EXPECT_EQ(SafeValueName(QStringLiteral("Caf\u00e9_9\u65e5"), QStringLiteral("-")),
              QStringLiteral("Caf--9-"));
}

TEST(ListFileNames, SizeQuestionOutside10To20000Bytes) {
    EXPECT_TRUE(listFileSizeIsDoubtful(9));
    EXPECT_FALSE(listFileSizeIsDoubtful(10));
    EXPECT_FALSE(listFileSizeIsDoubtful(20000));
    EXPECT_TRUE(listFileSizeIsDoubtful(20001));
    EXPECT_TRUE(listFileSizeIsDoubtful(-1));
}

TEST_F(ListFileTest, EmptyListExportsTheSixHeaderLinesOnly) {
    qputenv("OS", "Windows_NT");
    const QString path = file(QStringLiteral("PathwickList_2026-12-05_02-18-17.dirl"));
    EXPECT_FALSE(exportDirectoryList(path, true, Moment).isError());
    qunsetenv("OS");
    const QString expected =
        M + QStringLiteral(" Pathwick (0.01.0016 - 30/03/2025 -  9:50am)\r\n") + M +
        QStringLiteral(" Directories listed\r\n") + M + QStringLiteral(" File: \t") + path +
        QStringLiteral("\r\n") + M + QStringLiteral(" Date: \t5/12/2026, 2:18:17am\r\n") + M +
        QStringLiteral(" OS name: \tTESTPC\r\n") + M + QStringLiteral(" OS type: \tWindows_NT\r\n");
    EXPECT_EQ(readBytes(path), expected.toLatin1());
}

TEST_F(ListFileTest, ExportThenImportGivesTheSameListAndHeaderValues) {
    const QStringList list = {QStringLiteral(":Documents:\\Letters"), QStringLiteral("/srv/Site"),
                              QStringLiteral("C:\\A"), QStringLiteral(":Desktop:")};
    ASSERT_TRUE(saveStoredEntries(list, Moment));
    writeBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), true);
    const QString path = file(QStringLiteral("list.dirl"));
    ASSERT_FALSE(exportDirectoryList(path, true, Moment).isError());
    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/other")}, Moment));

    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), list);
    const QList<ListedValue> headers = valuesOfType(QStringLiteral("D"));
    ASSERT_EQ(headers.size(), 6);
    EXPECT_EQ(headers.at(1).name,
              M + M + QStringLiteral("Directories") + M + QStringLiteral("listed"));
    EXPECT_EQ(readNumber(ProgramKey(), headers.at(3).name, 0), -1);
    EXPECT_EQ(readString(QString()), importStamp(path, Moment));
    EXPECT_EQ(importStamp(path, Moment),
              QStringLiteral("Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am "
                             "(Imported from ") +
                  path + QStringLiteral(" (5/12/2026, 2:18:17am))"));
    EXPECT_EQ(readString(QStringLiteral("/srv/Site")), entryNote(Moment));
    EXPECT_TRUE(readBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), false));
}

TEST_F(ListFileTest, KeepAddsToTheStoredListAndReplaceDoesNot) {
    const QString path = file(QStringLiteral("two.dirl"));
    writeBytes(path, "C:\\C\r\nC:\\A\r\n");

    ASSERT_TRUE(saveStoredEntries({QStringLiteral("C:\\A"), QStringLiteral("C:\\B")}, Moment));
    ASSERT_FALSE(importDirectoryList(path, true, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("C:\\A"), QStringLiteral("C:\\B"),
                                            QStringLiteral("C:\\C")}));

    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("C:\\C"), QStringLiteral("C:\\A")}));
}

TEST_F(ListFileTest, HandWrittenAndWindowsFilesImport) {
    const QString hand = file(QStringLiteral("hand.txt"));
    writeBytes(hand, "  C:\\A  \r\n\r\n:Desktop:");
    ASSERT_FALSE(importDirectoryList(hand, false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("C:\\A"), QStringLiteral(":Desktop:")}));
    EXPECT_TRUE(valuesOfType(QStringLiteral("D")).isEmpty());

    // Written by the Windows program: Windows-1252, marker 0xB9, CR LF.
    const QString windows = file(QStringLiteral("windows.dirl"));
    writeBytes(windows, "\xB9 Pathwick (0.01.0016 - 30/03/2025 -  9:50am)\r\n"
                        "\xB9 Directories listed\r\n"
                        "D:\\Caf\xE9\\\x80uro\r\n:Documents:\\Letters\r\n");
    ASSERT_FALSE(importDirectoryList(windows, false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("D:\\Caf\u00e9\\\u20acuro"),
                                            QStringLiteral(":Documents:\\Letters")}));
    ASSERT_EQ(valuesOfType(QStringLiteral("D")).size(), 2);
    EXPECT_EQ(valuesOfType(QStringLiteral("D")).at(1).name,
              M + M + QStringLiteral("Directories") + M + QStringLiteral("listed"));
}

TEST_F(ListFileTest, LatinListsStayWindows1252AndOtherScriptsRoundTrip) {
    const QString latin = file(QStringLiteral("latin.dirl"));
    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/home/u/Caf\u00e9")}, Moment));
    ASSERT_FALSE(exportDirectoryList(latin, true, Moment).isError());
    EXPECT_TRUE(readBytes(latin).startsWith("\xB9 Pathwick"));
    EXPECT_TRUE(readBytes(latin).contains("/home/u/Caf\xE9\r\n"));

    const QStringList list = {
        QStringLiteral("/home/u/\u65e5\u672c\u8a9e"),
        QStringLiteral("/home/u/\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac"),
        QStringLiteral("/home/u/Caf\u00e9")};
    ASSERT_TRUE(saveStoredEntries(list, Moment));
    const QString path = file(QStringLiteral("\u65e5\u672c.dirl"));
    ASSERT_FALSE(exportDirectoryList(path, true, Moment).isError());
    EXPECT_TRUE(readBytes(path).startsWith("\xEF\xBB\xBF\xC2\xB9 Pathwick"));
    ASSERT_TRUE(saveStoredEntries({}, Moment));
    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), list);
}

TEST_F(ListFileTest, LineEndsOfEveryKindAndNoFinalLineEnd) {
    const QString path = file(QStringLiteral("ends.txt"));
    writeBytes(path, "/a\r/b\n/c\r\n\n\r/d");
    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a"), QStringLiteral("/b"),
                                            QStringLiteral("/c"), QStringLiteral("/d")}));
}

TEST_F(ListFileTest, BadFilesAreRefusedAndTheStoredListStays) {
    const QStringList list = {QStringLiteral("/keep/one"), QStringLiteral("/keep/two")};
    ASSERT_TRUE(saveStoredEntries(list, Moment));
    const QString stamp = readString(QString());

    QByteArray binary;
    for (int i = 0; i < 4000; ++i)
        binary.append(char(QRandomGenerator(7 + i).bounded(256)));
    binary[100] = '\0';
    QByteArray nulInLine("/fine\r\n/bad\0path\r\n", 18);
    QByteArray longLine = "/x\r\n" + QByteArray(100000, 'a') + "\r\n";
    struct Case {
        const char* name;
        QByteArray bytes;
        int number;
    };
    const QList<Case> cases = {{"binary", binary, 321},
                               {"nul", nulInLine, 321},
                               {"empty", QByteArray(), 321},
                               {"blank", QByteArray("  \r\n\r\n \n"), 321},
                               {"long", longLine, 321}};
    for (const Case& c : cases) {
        const QString path = file(QString::fromLatin1(c.name));
        writeBytes(path, c.bytes);
        for (bool keep : {false, true}) {
            const ListFileError error = importDirectoryList(path, keep, Moment);
            EXPECT_EQ(error.number, c.number) << c.name;
            EXPECT_TRUE(error.description.startsWith(QStringLiteral("Invalid file format: ")))
                << c.name;
            EXPECT_EQ(storedEntries(), list) << c.name;
            EXPECT_EQ(readString(QString()), stamp) << c.name;
            EXPECT_TRUE(valuesOfType(QStringLiteral("D")).isEmpty()) << c.name;
        }
    }
    EXPECT_EQ(importDirectoryList(file(QStringLiteral("nul")), false, Moment).description,
              QStringLiteral("Invalid file format: line 2 holds a control character (code 0), "
                             "so this is not a list file."));

    EXPECT_EQ(importDirectoryList(file(QStringLiteral("missing")), false, Moment).number, 53);
    EXPECT_EQ(importDirectoryList(store.folder(), false, Moment).number, 75);
    EXPECT_EQ(storedEntries(), list);
}

TEST_F(ListFileTest, LargeAndOddButValidFilesImport) {
    // 20001 bytes of ordinary lines load when the user agrees to the size.
    QByteArray big;
    int count = 0;
    while (big.size() < 20001 - 12)
        big += "/dir/" + QByteArray::number(count++).rightJustified(5, '0') + "\r\n";
    big += QByteArray(20001 - big.size(), 'z');
    ASSERT_EQ(big.size(), 20001);
    const QString path = file(QStringLiteral("big.dirl"));
    writeBytes(path, big);
    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries().size(), count + 1);

    // Tabs inside a line and a line of the longest accepted length are kept.
    const QString odd = file(QStringLiteral("odd.dirl"));
    const QByteArray longest(MaxListLineLength, 'b');
    writeBytes(odd, "/a\tb\r\n" + longest);
    ASSERT_FALSE(importDirectoryList(odd, false, Moment).isError());
    EXPECT_EQ(storedEntries(),
              QStringList({QStringLiteral("/a\tb"), QString::fromLatin1(longest)}));
}

TEST_F(ListFileTest, ExportErrorsLeaveAnExistingFileWhole) {
    EXPECT_EQ(
        exportDirectoryList(file(QStringLiteral("no/such/folder/x.dirl")), true, Moment).number,
        76);
    EXPECT_EQ(exportDirectoryList(store.folder(), true, Moment).number, 75);

    ASSERT_TRUE(saveStoredEntries({QStringLiteral("/a")}, Moment));
    const QString path = file(QStringLiteral("existing.dirl"));
    writeBytes(path, "old contents that are longer than the new ones\r\n");
    ASSERT_FALSE(exportDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(readBytes(path), QByteArray("/a\r\n"));
}

// The child half of the kill test: imports two lists in turn until it is killed.
TEST(ListFileKill, ChildImportLoop) {
    const QString files = qEnvironmentVariable("PATHWICK_IMPORT_LOOP");
    if (files.isEmpty())
        GTEST_SKIP() << "runs as the child of KilledImportLeavesTheOldOrTheNewList";
    const QStringList paths = files.split(u'|');
    for (int round = 0;; ++round) {
        importDirectoryList(paths.at(round % paths.size()), false, QDateTime::currentDateTime());
        printf("imported\n");
        fflush(stdout);
    }
}

TEST_F(ListFileTest, KilledImportLeavesTheOldOrTheNewList) {
    const QStringList oldList = numbered(QStringLiteral("/old/"), 10000);
    const QStringList newList = numbered(QStringLiteral("/new/entry/"), 10000);
    const QString oldFile = file(QStringLiteral("old.dirl"));
    const QString newFile = file(QStringLiteral("new.dirl"));
    writeBytes(newFile, newList.join(QStringLiteral("\r\n")).toLatin1());
    writeBytes(oldFile, oldList.join(QStringLiteral("\r\n")).toLatin1());
    ASSERT_TRUE(saveStoredEntries(oldList, Moment));

    for (int delay : {0, 15, 40, 90, 160}) {
        closeStore();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATHWICK_IMPORT_LOOP"), newFile + u'|' + oldFile);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ListFileKill.ChildImportLoop")});
        ASSERT_TRUE(child.waitForStarted(10000));
        // Wait for a first whole import, then kill the child somewhere in a later one.
        ASSERT_TRUE(child.waitForReadyRead(30000)) << "delay " << delay;
        QThread::msleep(delay);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

        closeStore();
        const QStringList now = storedEntries();
        EXPECT_TRUE(now == oldList || now == newList)
            << "delay " << delay << ": " << now.size() << " entries, first "
            << qPrintable(now.value(0));
    }
}
