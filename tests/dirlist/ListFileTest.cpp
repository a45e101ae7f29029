#include "DirListTestSupport.h"
#include "common/Version.h"

#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick::test {
namespace {

const QString M = QString(QChar(0xB9));

using ListFileTest = DirListTest;

// An entry beginning with the marker came back as a header value; an over-long one was
// exported and then refused by the import. (The list file fuzz targets read exports back.)
TEST_F(ListFileTest, ExportWritesTheHeaderAndCrLfLinesAndRefusesOverLongEntries) {
    environment.set("OS", "Windows_NT");
    store({":Documents:\\Letters", M + " odd", M, "/srv/Site"});
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

    // A file in Windows-1252 with the marker byte 0xB9 and CR LF line ends.
    writeBytes(file("windows.dirl"), "\xB9 Pathwick (0.01.0016 - 30/03/2025 -  9:50am)\r\n"
                                     "D:\\Caf\xE9\\\x80uro\r\n:Documents:\\Letters\r\n");
    ASSERT_FALSE(importDirectoryList(file("windows.dirl"), false, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"D:\\Caf\u00e9\\\u20acuro", ":Documents:\\Letters"}));
    EXPECT_EQ(readText(ProgramKey(), "", ""),
              SavedWithStamp("Imported from " + file("windows.dirl") + " (5/12/2026, 2:18:17am)"));
}

// (The list file command test imports a file with a control character.)
TEST_F(ListFileTest, BadFilesAreRefusedAndTheStoredListStays) {
    const QStringList list = {"/keep/one", "/keep/two"};
    store(list);
    const QString stamp = readText(ProgramKey(), "", "");
    const struct {
        const char* name;
        QByteArray bytes;
        QString detail;
    } cases[] = {
        {"blank", "  \r\n\r\n \n", "the file holds no lines to import."},
        {"too long", "/x\r\n" + QByteArray(MaxRecordLineLength + 1, 'a') + "\r\n",
         "line 2 is longer than 16,383 characters, too long for an entry."},
        {"lone surrogate", QByteArray("\xFF\xFE/\0a\0\r\0\n\0/\0\x00\xD8x\0", 16),
         "line 2 holds a broken character (a lone UTF-16 surrogate)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file(c.name), c.bytes);
        const RecordFileError error = importDirectoryList(file(c.name), false, Moment);
        EXPECT_EQ(error.number, 321);
        EXPECT_EQ(error.description, "Invalid file format: " + c.detail);
        EXPECT_EQ(storedEntries(), list);
        EXPECT_EQ(readText(ProgramKey(), "", ""), stamp);
    }
    EXPECT_EQ(importDirectoryList(file("missing"), false, Moment).number, 53);
    EXPECT_EQ(exportDirectoryList(folders.home(), true, Moment).number, 75);
}

// The list shares the program's key with its settings; an entry named like one replaced it,
// and the next save deleted it. (The editor refuses such an entry where it is added.)
TEST_F(ListFileTest, NoEntryReplacesASettingOrShowsOne) {
    write(catalogue::UserShutdownTimeHours, 77);
    const QByteArray name = "  USERSHUTDOWNTIMEHOURS ";
    store({"/a", name});
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 77);
    writeBytes(file("named.dirl"), "/c\r\n" + name + "\r\n");
    EXPECT_TRUE(importDirectoryList(file("named.dirl"), true, Moment)
                    .description.contains("USERSHUTDOWNTIMEHOURS"));
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 77);
    WriteSetting(MachineRoot, ProgramKey(), "ShowHiddenMenu", "S", "from an older save");
    EXPECT_EQ(storedEntries(), QStringList{"/a"});
    EXPECT_EQ(listEntryRefusal("showHiddenMenu2"), "");
}

// A header line is kept as a number value named after its letters and digits, every other
// character the marker: "¹a" names both the header line "¹a" and the entry line "¹¹a".
TEST_F(ListFileTest, NoHeaderValueReplacesAnEntry) {
    store({"\u00b9b"});
    writeBytes(file("headers.dirl"), "\xb9\xb9"
                                     "a\r\n\xb9"
                                     "a\r\n\xb9"
                                     "B\r\n");
    ASSERT_FALSE(importDirectoryList(file("headers.dirl"), true, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"\u00b9b", "\u00b9a"}));
}

} // namespace
} // namespace pathwick::test
