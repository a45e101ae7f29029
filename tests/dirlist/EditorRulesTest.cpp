#include "dirlist/DropCheck.h"
#include "dirlist/PathEditRules.h"

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
        {"C:\\Work\r\n", 9, "C:\\Work", 7}, // Enter at the end
        {"C:\\\r\nWork", 5, "C:\\Work", 3}, // Enter in the middle
        {"/a\rb\nc\r\nd/x", 9, "/abcd/x", 5}, {"\n", 1, "", 0}, {"ab\n", 99, "ab", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const auto fix = removeLineBreaks(c.text, c.caret);
        ASSERT_TRUE(fix);
        EXPECT_EQ(fix->text, c.fixed);
        EXPECT_EQ(fix->caret, c.fixedCaret);
    }
    EXPECT_FALSE(removeLineBreaks("C:\\Work", 3));
}

// The window test covers the buttons the edit text enables; here the timer's say alone.
TEST(PathEditButtonsRule, TimerEnablesUpdateOnlyForASelectedEntryThatDiffers) {
    EXPECT_EQ(updateEnabledByTimer("/b", "/a", true), true);
    EXPECT_EQ(updateEnabledByTimer("/b", "", false), false);
    EXPECT_FALSE(updateEnabledByTimer("/a ", " /a", true));
}

TEST(PathEditDuplicates, IgnoreCaseAndSpacesButNotPrefixes) {
    EXPECT_TRUE(listHoldsPath({"C:\\Work", " D:\\Data "}, "d:\\DATA  "));
    EXPECT_FALSE(listHoldsPath({"C:\\Work"}, "C:\\Work\\Sub"));
}

TEST(PathEditCommandLine, QuotesAndRecycleBin) {
    const std::pair<QString, QString> cases[] = {
        {"  \" /home/u/My Dir \"  ", "/home/u/My Dir"},
        {"\"D:\\$Recycle.Bin\"", ":RecycleBin:"},
        {"C:\\$RECYCLE.BIN\\Sub", "C:\\$RECYCLE.BIN\\Sub"},
        {"\"", "\""},
        {"   ", ""},
    };
    for (const auto& [commandLine, entry] : cases)
        EXPECT_EQ(commandLineEntry(commandLine), entry) << commandLine.toStdString();
}

// The window test covers one folder, two objects and a file.
TEST(DropRules, AnyDirectoryIsTakenAndEveryReasonToRefuseIsGiven) {
    for (int word : {16, 17, 18, 23})
        EXPECT_TRUE(checkDrop({"/home/u/Dir"}, word).accepted) << word;
    EXPECT_EQ(checkDrop(QStringList(1234, "/f"), -1).refusal,
              "You can only drag one directory here at a time.\r\nThis is not a directory.\r\n"
              "You dragged 1,234 objects here.");
}

} // namespace
} // namespace pathwick
