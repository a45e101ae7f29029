#include "common/StringServices.h"
#include "common/FileServices.h"

#include <gtest/gtest.h>

using namespace pathwick;

// No overlaps, and the replacement is never searched again.
TEST(StringServices, SwapStringScansOnceLeftToRight) {
    const QString zero(QChar(0));
    const struct {
        QString text, find, with;
        bool matchCase;
        QString expected;
    } cases[] = {{"aXbxc", "x", "-", false, "a-b-c"},
                 {"aXbxc", "x", "-", true, "aXb-c"},
                 {"aaa", "aa", "b", false, "ba"},
                 {"xx", "x", "xx", false, "xxxx"},
                 {"abab", "ab", "ba", false, "baba"},
                 {"abc", "", "-", false, "abc"},
                 {"na" + zero + "me" + zero, zero, "", true, "name"}};
    for (const auto& c : cases)
        EXPECT_EQ(swapString(c.text, c.find, c.with, c.matchCase), c.expected)
            << c.text.toStdString() << " / " << c.find.toStdString();
}

TEST(StringServices, SplitTextCountsEverySeparatorStart) {
    const struct {
        const char *whole, *separator;
        bool ignoreCase;
        int count;
        QStringList parts;
    } cases[] = {
        {"a,b,,c", ",", false, 3, {"a", "b", "", "c"}},
        {"", ",", false, 0, {""}},
        {"abc", "", false, 0, {"abc"}},
        // ",," begins at two places of ",,,": the count says 2, the split reaches one of them.
        {"a,,,b", ",,", false, 2, {"a", ",b", ""}},
        {"a,", ",,", false, 0, {"a,"}},
        // The parts keep their own letter case.
        {"1x2X3", "x", true, 2, {"1", "2", "3"}},
        {"1x2X3", "x", false, 1, {"1", "2X3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " / " + c.separator);
        QStringList parts{"old"};
        EXPECT_EQ(SplitText(c.whole, c.separator, c.ignoreCase, parts), c.count);
        EXPECT_EQ(parts, c.parts);
    }
}

TEST(StringServices, SpacesTrimmedAndFileNameAfterTheLastSeparator) {
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
    const std::pair<const char*, const char*> names[] = {{"C:\\dir\\file.txt", "file.txt"},
                                                         {"/home/me\\mixed.txt", "mixed.txt"},
                                                         {"C:\\dir\\", ""},
                                                         {"", ""}};
    for (const auto& [path, name] : names)
        EXPECT_EQ(FileNameOfPath(path), name) << path;
}
