#include "app/CommandLine.h"
#include "QtPrinting.h"

#include <gtest/gtest.h>

using namespace pathwick;

namespace {

CommandRequest kindOf(const QString& line) {
    return classifyCommandLine(line).kind;
}

} // namespace

TEST(CommandLine, NothingToDo) {
    EXPECT_EQ(kindOf(""), CommandRequest::None);
    EXPECT_EQ(kindOf("   "), CommandRequest::None);
    EXPECT_EQ(kindOf("\"\""), CommandRequest::None);
    EXPECT_EQ(kindOf(" \"  \" "), CommandRequest::None);
}

TEST(CommandLine, HiddenIsTheWholeLineInAnyCase) {
    EXPECT_EQ(kindOf("#Hidden"), CommandRequest::Hidden);
    EXPECT_EQ(kindOf("#hidden"), CommandRequest::Hidden);
    EXPECT_EQ(kindOf("  #HIDDEN  "), CommandRequest::Hidden);
    EXPECT_EQ(kindOf("\"#hIdDeN\""), CommandRequest::Hidden);

    const CommandLineRequest more = classifyCommandLine("#Hidden more");
    EXPECT_EQ(more.kind, CommandRequest::Editor);
    EXPECT_EQ(more.cmd, "#Hidden more");
    EXPECT_EQ(kindOf("#Hiddenx"), CommandRequest::Editor);
}

TEST(CommandLine, QuotedPathGoesToTheEditorWithoutQuotes) {
    const CommandLineRequest quoted = classifyCommandLine(" \" /home/me/My Folder \" ");
    EXPECT_EQ(quoted.kind, CommandRequest::Editor);
    EXPECT_EQ(quoted.cmd, "/home/me/My Folder");

    const CommandLineRequest plain = classifyCommandLine("/home/me/Work");
    EXPECT_EQ(plain.kind, CommandRequest::Editor);
    EXPECT_EQ(plain.cmd, "/home/me/Work");

    // A single quote character is not a quoted text.
    EXPECT_EQ(classifyCommandLine("\"").cmd, "\"");
    EXPECT_EQ(classifyCommandLine("\"/a b").cmd, "\"/a b");
}

TEST(CommandLine, ShutdownRequestsArePreparedForParsing) {
    const CommandLineRequest delay = classifyCommandLine("?hoursminutes= 1:2-3/4\\5");
    EXPECT_EQ(delay.kind, CommandRequest::Delay);
    EXPECT_EQ(delay.cmd, "?hoursminutes=1,2,3,4,5");

    const CommandLineRequest date = classifyCommandLine("\"?DateTime=2030/01/01, 10:30pm\"");
    EXPECT_EQ(date.kind, CommandRequest::DateTime);
    EXPECT_EQ(date.cmd, "?DateTime=2030,01,01,10,30pm");

    EXPECT_EQ(kindOf("? Hours Minutes = 90"), CommandRequest::Delay);
    // An unknown "?" text is a path like any other.
    const CommandLineRequest other = classifyCommandLine("?Other=1");
    EXPECT_EQ(other.kind, CommandRequest::Editor);
    EXPECT_EQ(other.cmd, "?Other=1");
}
