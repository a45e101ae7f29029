#include "app/CommandLine.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(CommandLine, EveryFormIsClassifiedAndPrepared) {
    using enum CommandRequest;
    const struct {
        const char* line;
        CommandRequest kind;
        const char* cmd;
    } cases[] = {
        {"", None, ""},
        {" \"  \" ", None, ""},
        // "#Hidden" must be the whole line, in any letter case, quoted or not.
        {" \"#hIdDeN\" ", Hidden, ""},
        {"#Hiddenx", Editor, "#Hiddenx"},
        // Paths lose their quotes and surrounding spaces; a lone quote is no quoting.
        {" \" /home/me/My Folder \" ", Editor, "/home/me/My Folder"},
        {"\"", Editor, "\""},
        // Shutdown requests get their separators as commas and lose every space.
        {"?hoursminutes= 1:2-3/4\\5", Delay, "?hoursminutes=1,2,3,4,5"},
        {"\"?DateTime=2030/01/01, 10:30pm\"", DateTime, "?DateTime=2030,01,01,10,30pm"},
        {"?Other=1", Editor, "?Other=1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const CommandLineRequest request = classifyCommandLine(c.line);
        EXPECT_EQ(int(request.kind), int(c.kind));
        EXPECT_EQ(request.cmd, c.cmd);
    }
}
