#include "dirlist/DropCheck.h"
#include "dirlist/PathEditRules.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick {
namespace {

TEST(PathEditLineBreaks, EnterAndPastedBreaksGoAndTheCaretStaysAfterWhatWasBeforeIt) {
    const struct {
        QString text;
        int caret;
        QString fixed;
        int fixedCaret;
    } cases[] = {
        {"C:\\\r\nWork", 5, "C:\\Work", 3}, // Enter in the middle
        {"/a\rb\nc\r\nd/x", 9, "/abcd/x", 5},
        {"ab\n", 99, "ab", 2},
    };
    for (const auto& c : cases) {
        const auto fix = removeLineBreaks(c.text, c.caret);
        ASSERT_TRUE(fix) << c.text.toStdString();
        EXPECT_EQ(std::pair(fix->text, fix->caret), std::pair(c.fixed, c.fixedCaret));
    }
    EXPECT_FALSE(removeLineBreaks("C:\\Work", 3));
}

// The window test covers letter case and spaces; a folder inside a listed one is no duplicate.
TEST(PathEditDuplicates, NotPrefixes) {
    EXPECT_FALSE(listHoldsPath({"C:\\Work"}, "C:\\Work\\Sub"));
}

TEST(PathEditCommandLine, QuotesAndRecycleBin) {
    const std::pair<QString, QString> cases[] = {
        {"  \" /home/u/My Dir \"  ", "/home/u/My Dir"},
        {"\"D:\\$Recycle.Bin\"", ":RecycleBin:"},
        {"C:\\$RECYCLE.BIN\\Sub", "C:\\$RECYCLE.BIN\\Sub"},
        {"   ", ""},
    };
    for (const auto& [commandLine, entry] : cases)
        EXPECT_EQ(commandLineEntry(commandLine), entry) << commandLine.toStdString();

    // "pathwick Sub" from a terminal: the working folder is not the same at the next start.
    const QTemporaryDir started;
    ASSERT_TRUE(QDir(started.path()).mkdir("Sub"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(started.path()));
    const QString whole = commandLineEntry("\"Sub\"");
    const QString missing = commandLineEntry("Missing");
    QDir::setCurrent(before);
    EXPECT_EQ(whole, QDir(started.path()).absoluteFilePath("Sub"));
    EXPECT_EQ(missing, "Missing");
}

// The window test covers one folder, two objects and a file; here every reason at once.
TEST(DropRules, EveryReasonToRefuseIsGiven) {
    EXPECT_TRUE(checkDrop({"/home/u/Dir"}, 23).accepted);
    EXPECT_EQ(checkDrop(QStringList(1234, "/f"), -1).refusal,
              "You can only drag one directory here at a time.\r\nThis is not a directory.\r\n"
              "You dragged 1,234 objects here.");
}

} // namespace
} // namespace pathwick
