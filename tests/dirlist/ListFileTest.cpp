#include "DirListTestSupport.h"
#include "common/Version.h"

#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"

namespace pathwick::test {
namespace {

const QString M = QString(QChar(0xB9));

// The header lines an import stored, as number values.
QStringList headerNames() {
    QStringList names;
    for (const ListedValue& value : listValues(MachineRoot, ProgramKey()))
        if (value.type == "D")
            names.append(value.name);
    return names;
}

using ListFileTest = DirListTest;

// An entry beginning with the marker came back as a header value; an over-long one was
// exported and then refused by the import.
TEST_F(ListFileTest, ExportWritesTheHeaderAndImportReadsTheSameListBack) {
    environment.set("OS", "Windows_NT");
    const QStringList list = {":Documents:\\Letters", M + " odd", M, "/srv/Site"};
    store(list);
    writeBool(ProgramKey(), "ShowHiddenMenu", true);
    const QString path = file("list.dirl");
    ASSERT_FALSE(exportDirectoryList(path, true, Moment).isError());
    QByteArray header = "\xB9 Pathwick (" + VersionText().toLatin1() +
                        " - 30/03/2025 -  9:50am)\r\n"
                        "\xB9 Directories listed\r\n"
                        "\xB9 File: \t%1\r\n"
                        "\xB9 Date: \t5/12/2026, 2:18:17am\r\n"
                        "\xB9 OS name: \tTESTPC\r\n"
                        "\xB9 OS type: \tWindows_NT\r\n";
    EXPECT_EQ(readBytes(path),
              header.replace("%1", path.toLatin1()) +
                  ":Documents:\\Letters\r\n\xB9\xB9 odd\r\n\xB9\xB9\r\n/srv/Site\r\n");
    store({"/other"});

    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), list);
    EXPECT_EQ(headerNames().size(), 6);
    EXPECT_EQ(readText(ProgramKey(), "", ""),
              SavedWithStamp("Imported from " + path + " (5/12/2026, 2:18:17am)"));
    EXPECT_TRUE(readBool(ProgramKey(), "ShowHiddenMenu", false));
    store({});
    EXPECT_EQ(storedEntries(), QStringList()) << "a save removes every imported entry";

    store({"/short", QString(MaxRecordLineLength + 1, u'x')});
    const RecordFileError error = exportDirectoryList(path, true, Moment);
    EXPECT_EQ(error.number, 321);
    EXPECT_EQ(error.description, "Line 8 is longer than 16,383 characters, more than an import "
                                 "reads back; nothing was written.");
    EXPECT_TRUE(readBytes(path).contains("odd")) << "the earlier file stays";
    // An existing file is replaced whole, even by a shorter list.
    store({"/a"});
    ASSERT_FALSE(exportDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(readBytes(path), "/a\r\n");
}

TEST_F(ListFileTest, HandWrittenAndWindowsFilesImport) {
    // Every kind of line end, blank lines, tabs, no final line end, the longest line taken.
    const QByteArray longest(MaxRecordLineLength, 'b');
    writeBytes(file("hand.txt"), "  /a  \r/b\n/c\td\r\n\n\r" + longest + "\r\n/e");
    ASSERT_FALSE(importDirectoryList(file("hand.txt"), false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"/a", "/b", "/c\td", longest, "/e"}));
    EXPECT_TRUE(headerNames().isEmpty());

    // A file in Windows-1252 with the marker byte 0xB9 and CR LF line ends.
    writeBytes(file("windows.dirl"), "\xB9 Pathwick (0.01.0016 - 30/03/2025 -  9:50am)\r\n"
                                     "\xB9 Directories listed\r\n"
                                     "D:\\Caf\xE9\\\x80uro\r\n:Documents:\\Letters\r\n");
    ASSERT_FALSE(importDirectoryList(file("windows.dirl"), false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"D:\\Caf\u00e9\\\u20acuro", ":Documents:\\Letters"}));
    ASSERT_EQ(headerNames().size(), 2);
    EXPECT_EQ(headerNames().at(1), M + M + "Directories" + M + "listed");
}

// Lists that Windows-1252 can hold are written in it (see the header test). An entry
// beginning with U+FEFF lost it and could then never be removed.
TEST_F(ListFileTest, OtherScriptsRoundTripInUtf8) {
    const QStringList list = {"/home/u/\u65e5\u672c\u8a9e", "/home/u/Caf\u00e9",
                              QChar(0xFEFF) + QString("/bom")};
    store(list);
    const QString path = file("\u65e5\u672c.dirl");
    ASSERT_FALSE(exportDirectoryList(path, true, Moment).isError());
    EXPECT_TRUE(readBytes(path).startsWith("\xEF\xBB\xBF\xC2\xB9 Pathwick"));
    store({});
    ASSERT_FALSE(importDirectoryList(path, false, Moment).isError());
    EXPECT_EQ(storedEntries(), list);
}

TEST_F(ListFileTest, BadFilesAreRefusedAndTheStoredListStays) {
    const QStringList list = {"/keep/one", "/keep/two"};
    store(list);
    const QString stamp = readText(ProgramKey(), "", "");
    const struct {
        const char* name;
        QByteArray bytes;
        QString detail;
    } cases[] = {
        {"nul", QByteArray("/fine\r\n/bad\0path\r\n", 18),
         "line 2 holds a control character (code 0), so this is not a list file."},
        {"empty", "", "the file holds no lines to import."},
        {"blank", "  \r\n\r\n \n", "the file holds no lines to import."},
        {"too long", "/x\r\n" + QByteArray(MaxRecordLineLength + 1, 'a') + "\r\n",
         "line 2 is longer than 16,383 characters, too long for an entry."},
        {"lone surrogate", QByteArray("\xFF\xFE/\0a\0\r\0\n\0/\0\x00\xD8x\0", 16),
         "line 2 holds a broken character (a lone UTF-16 surrogate)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file(c.name), c.bytes);
        for (bool keep : {false, true}) {
            const RecordFileError error = importDirectoryList(file(c.name), keep, Moment);
            EXPECT_EQ(error.number, 321);
            EXPECT_EQ(error.description, "Invalid file format: " + c.detail);
            EXPECT_EQ(storedEntries(), list);
            EXPECT_EQ(readText(ProgramKey(), "", ""), stamp);
            EXPECT_TRUE(headerNames().isEmpty());
        }
    }
    EXPECT_EQ(importDirectoryList(file("missing"), false, Moment).number, 53);
    EXPECT_EQ(importDirectoryList(folders.home(), false, Moment).number, 75);
    EXPECT_EQ(exportDirectoryList(folders.home(), true, Moment).number, 75);
    EXPECT_EQ(storedEntries(), list);
}

} // namespace
} // namespace pathwick::test
