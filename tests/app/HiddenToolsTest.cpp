#include "MainWindowFixture.h"

#include "app/HiddenToolsCommands.h"

#include <gtest/gtest.h>

namespace pathwick::test {
namespace {

// Each tool starts on Yes only. The companion is tried twice and its absence reported, the
// report's first button opening the program folder; a desktop may have no system monitor, and
// that is said instead of nothing.
TEST_F(MainWindowTest, ToolsStartOnYesOnlyAndTheirFailuresAreReported) {
    const auto lampwatch = [] { menu_LoadLampwatch_Click("/opt/pathwick"); };
    const auto monitor = [] { menuHidden_TaskManager_Click(nullptr); };
    const struct {
        std::function<void()> command;
        int question; // button index, -1 for Escape
        int windows, launches;
    } cases[] = {
        {lampwatch, -1, 1, 0},
        {lampwatch, 0, 2, 3}, // the companion twice, then the program folder
        {monitor, 1, 1, 0},
        {monitor, 0, 2, 1},
    };
    fakes.shell->result = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.launches * 10 + c.question);
        fakes.shell->calls.clear();
        ModalAnswers answers;
        (c.question < 0 ? answers.cancel() : answers.click(c.question)).click(0);
        c.command();
        EXPECT_EQ(answers.seen().size(), c.windows);
        EXPECT_EQ(fakes.shell->calls.size(), c.launches);
    }
}

} // namespace
} // namespace pathwick::test
