#include "dirlist/DropCheck.h"
#include "dirlist/PathEditRules.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(PathEditLineBreaks, EnterLeavesTheTextAndTheCaret) {
    // Enter at the end of C:\Work.
    const auto atEnd = removeLineBreaks(QStringLiteral("C:\\Work\r\n"), 9);
    ASSERT_TRUE(atEnd);
    EXPECT_EQ(atEnd->text, QStringLiteral("C:\\Work"));
    EXPECT_EQ(atEnd->caret, 7);
    // Enter in the middle.
    const auto inMiddle = removeLineBreaks(QStringLiteral("C:\\\r\nWork"), 5);
    ASSERT_TRUE(inMiddle);
    EXPECT_EQ(inMiddle->text, QStringLiteral("C:\\Work"));
    EXPECT_EQ(inMiddle->caret, 3);
    EXPECT_FALSE(removeLineBreaks(QStringLiteral("C:\\Work"), 3));
}

TEST(PathEditLineBreaks, PastedBreaksOfEveryKindGoWithoutEatingCharacters) {
    const auto fix = removeLineBreaks(QStringLiteral("/a\rb\nc\r\nd/x"), 9);
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->text, QStringLiteral("/abcd/x"));
    EXPECT_EQ(fix->caret, 5);
    const auto lone = removeLineBreaks(QStringLiteral("\n"), 1);
    ASSERT_TRUE(lone);
    EXPECT_EQ(lone->text, QString());
    EXPECT_EQ(lone->caret, 0);
    const auto outOfRange = removeLineBreaks(QStringLiteral("ab\n"), 99);
    ASSERT_TRUE(outOfRange);
    EXPECT_EQ(outOfRange->caret, 2);
}

TEST(PathEditButtonsRule, EnableRules) {
    PathEditButtons b = pathEditButtons(QStringLiteral("  "), QStringLiteral("/a"), false);
    EXPECT_FALSE(b.checkPath);
    EXPECT_FALSE(b.add);
    EXPECT_FALSE(b.openDir);
    EXPECT_FALSE(b.update.has_value());

    b = pathEditButtons(QStringLiteral("/b"), QStringLiteral("/a"), true);
    EXPECT_TRUE(b.checkPath);
    EXPECT_TRUE(b.add);
    EXPECT_TRUE(b.openDir);
    EXPECT_FALSE(b.update.has_value());

    // The text equals the list's text: nothing to add or update; checking stays possible.
    b = pathEditButtons(QStringLiteral(" /a "), QStringLiteral("/a"), true);
    EXPECT_TRUE(b.checkPath);
    EXPECT_FALSE(b.add);
    ASSERT_TRUE(b.update.has_value());
    EXPECT_FALSE(*b.update);

    // Both empty counts as equal.
    b = pathEditButtons(QString(), QString(), false);
    ASSERT_TRUE(b.update.has_value());
    EXPECT_FALSE(*b.update);
}

TEST(PathEditButtonsRule, TimerEnablesUpdateOnlyForASelectedEntryThatDiffers) {
    EXPECT_EQ(updateEnabledByTimer(QStringLiteral("/b"), QStringLiteral("/a"), true), true);
    EXPECT_EQ(updateEnabledByTimer(QStringLiteral("/b"), QString(), false), false);
    EXPECT_FALSE(updateEnabledByTimer(QStringLiteral("/a "), QStringLiteral(" /a"), true));
}

TEST(PathEditDuplicates, IgnoreCaseAndSpaces) {
    const QStringList items = {QStringLiteral("C:\\Work"), QStringLiteral(" D:\\Data ")};
    EXPECT_TRUE(listHoldsPath(items, QStringLiteral("c:\\work")));
    EXPECT_TRUE(listHoldsPath(items, QStringLiteral("d:\\DATA  ")));
    EXPECT_FALSE(listHoldsPath(items, QStringLiteral("C:\\Work\\Sub")));
    EXPECT_FALSE(listHoldsPath({}, QStringLiteral("x")));
}

TEST(PathEditCommandLine, QuotesAndRecycleBin) {
    EXPECT_EQ(commandLineEntry(QStringLiteral("  \" /home/u/My Dir \"  ")),
              QStringLiteral("/home/u/My Dir"));
    EXPECT_EQ(commandLineEntry(QStringLiteral("\"D:\\$Recycle.Bin\"")),
              QStringLiteral(":RecycleBin:"));
    EXPECT_EQ(commandLineEntry(QStringLiteral("C:\\$RECYCLE.BIN\\Sub")),
              QStringLiteral("C:\\$RECYCLE.BIN\\Sub"));
    EXPECT_EQ(commandLineEntry(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(commandLineEntry(QStringLiteral("   ")), QString());
}

TEST(DropRules, OneDirectoryIsTakenEverythingElseRefusedWithItsReason) {
    const DropVerdict one = checkDrop({QStringLiteral("/home/u/Dir")}, 16);
    EXPECT_TRUE(one.accepted);
    EXPECT_EQ(one.path, QStringLiteral("/home/u/Dir"));
    // Read-only and hidden directories are directories too.
    EXPECT_TRUE(checkDrop({QStringLiteral("/usr")}, 17).accepted);
    EXPECT_TRUE(checkDrop({QStringLiteral("/home/u/.cfg")}, 18).accepted);

    const DropVerdict two = checkDrop({QStringLiteral("/a"), QStringLiteral("/b")}, 16);
    EXPECT_FALSE(two.accepted);
    EXPECT_EQ(two.refusal, QStringLiteral("You can only drag one directory here at a time.\r\n"
                                          "You dragged 2 objects here."));
    const DropVerdict file = checkDrop({QStringLiteral("/a.txt")}, 32);
    EXPECT_EQ(file.refusal, QStringLiteral("You can only drag one directory here at a time.\r\n"
                                           "This is not a directory."));
    const DropVerdict many = checkDrop(QStringList(1234, QStringLiteral("/f")), -1);
    EXPECT_EQ(many.refusal, QStringLiteral("You can only drag one directory here at a time.\r\n"
                                           "This is not a directory.\r\n"
                                           "You dragged 1,234 objects here."));
}
