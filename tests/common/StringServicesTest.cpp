#include "common/StringServices.h"
#include "common/FileServices.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(SwapString, ReplacesWithoutRegardToCaseUnlessAsked) {
    EXPECT_EQ(swapString("aXbxc", "x", "-"), "a-b-c");
    EXPECT_EQ(swapString("aXbxc", "x", "-", true), "aXb-c");
    EXPECT_EQ(swapString("Path\\To\\FILE", "file", "name"), "Path\\To\\name");
}

TEST(SwapString, ScansLeftToRightWithoutOverlapsOrRescanning) {
    EXPECT_EQ(swapString("aaa", "aa", "b"), "ba");
    EXPECT_EQ(swapString("aaaa", "aa", "b"), "bb");
    // The replacement holds the searched text: it must not be replaced again.
    EXPECT_EQ(swapString("xx", "x", "xx"), "xxxx");
    EXPECT_EQ(swapString("abab", "ab", "ba"), "baba");
}

TEST(SwapString, EdgeTexts) {
    EXPECT_EQ(swapString("abc", "", "-"), "abc");
    EXPECT_EQ(swapString("", "a", "-"), "");
    EXPECT_EQ(swapString("abc", "abcd", "-"), "abc");
    EXPECT_EQ(swapString("a\r\nb\r\n", "\r\n"), "ab");
    // Zero characters are removed from value names this way.
    EXPECT_EQ(swapString(QString("na") + QChar(0) + "me" + QChar(0), QString(QChar(0)), "", true),
              "name");
}

TEST(SplitText, SplitsAtEverySeparatorKeepingEmptyParts) {
    QStringList parts;
    EXPECT_EQ(SplitText("a,b,,c", ",", false, parts), 3);
    EXPECT_EQ(parts, QStringList({"a", "b", "", "c"}));

    EXPECT_EQ(SplitText("a,b,", ",", false, parts), 2);
    EXPECT_EQ(parts, QStringList({"a", "b", ""}));

    EXPECT_EQ(SplitText(",a", ",", false, parts), 1);
    EXPECT_EQ(parts, QStringList({"", "a"}));

    EXPECT_EQ(SplitText("", ",", false, parts), 0);
    EXPECT_EQ(parts, QStringList({""}));

    EXPECT_EQ(SplitText("abc", ",", false, parts), 0);
    EXPECT_EQ(parts, QStringList({"abc"}));
}

TEST(SplitText, CountsOverlappingSeparatorsButSplitsWithoutOverlap) {
    QStringList parts;
    // ",," begins at two positions of ",,,": three entries, the split reaches two.
    EXPECT_EQ(SplitText("a,,,b", ",,", false, parts), 2);
    EXPECT_EQ(parts, QStringList({"a", ",b", ""}));
}

TEST(SplitText, LetterCaseOfSeparator) {
    QStringList parts;
    EXPECT_EQ(SplitText("1x2X3", "x", true, parts), 2);
    EXPECT_EQ(parts, QStringList({"1", "2", "3"}));
    EXPECT_EQ(SplitText("1x2X3", "x", false, parts), 1);
    EXPECT_EQ(parts, QStringList({"1", "2X3"}));
    // The parts keep their own letter case.
    EXPECT_EQ(SplitText("AbANDcD", "and", true, parts), 1);
    EXPECT_EQ(parts, QStringList({"Ab", "cD"}));
}

TEST(SplitText, TextEndingInPartOfSeparatorKeepsItsCharacters) {
    QStringList parts;
    EXPECT_EQ(SplitText("a,", ",,", false, parts), 0);
    EXPECT_EQ(parts, QStringList({"a,"}));
}

TEST(SplitText, EmptySeparatorGivesTheWholeText) {
    QStringList parts{"old"};
    EXPECT_EQ(SplitText("abc", "", false, parts), 0);
    EXPECT_EQ(parts, QStringList({"abc"}));
}

TEST(TrimSpaces, DropsOnlySpaces) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
}

TEST(FileNameOfPath, TextAfterTheLastSeparator) {
    EXPECT_EQ(FileNameOfPath("C:\\dir\\file.txt"), "file.txt");
    EXPECT_EQ(FileNameOfPath("/home/me/list.dirl"), "list.dirl");
    EXPECT_EQ(FileNameOfPath("/home/me\\mixed.txt"), "mixed.txt");
    EXPECT_EQ(FileNameOfPath("C:\\dir\\"), "");
    EXPECT_EQ(FileNameOfPath("plain.txt"), "plain.txt");
    EXPECT_EQ(FileNameOfPath(""), "");
}
