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
                 {"abc", "", "-", false, "abc"},
                 {"na" + zero + "me" + zero, zero, "", true, "name"}};
    for (const auto& c : cases)
        EXPECT_EQ(swapString(c.text, c.find, c.with, c.matchCase), c.expected)
            << c.text.toStdString() << " / " << c.find.toStdString();
}

TEST(StringServices, SpacesTrimmedAndFileNameAfterTheLastSeparator) {
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
    const std::pair<const char*, const char*> names[] = {{"C:\\dir\\file.txt", "file.txt"},
                                                         {"/home/me\\mixed.txt", "mixed.txt"},
                                                         {"C:\\dir\\", ""}};
    for (const auto& [path, name] : names)
        EXPECT_EQ(FileNameOfPath(path), name) << path;
}
