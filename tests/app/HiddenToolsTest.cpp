#include "MainWindowFixture.h"

#include "app/HiddenToolsCommands.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick::test {
namespace {

using HiddenToolsCommandTest = MainWindowTest;

// The companion is launched on Yes only, tried twice, and its absence reported; the report's
// first button opens the program folder.
TEST_F(HiddenToolsCommandTest, TheCompanionIsTriedTwiceThenReported) {
    QTemporaryDir folder;
    const QString companion = folder.path() + "/lampwatch";
    const struct {
        int question; // button index, -1 for Escape
        int result;
        QStringList tried;
    } cases[] = {
        {-1, 42, {}},
        {0, 42, {companion}},
        {0, 2, {companion, companion, folder.path()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tried.size());
        fakes.shell->calls.clear();
        fakes.shell->result = c.result;
        ModalAnswers answers;
        (c.question < 0 ? answers.cancel() : answers.click(c.question)).click(0);
        menu_LoadLampwatch_Click(folder.path());
        EXPECT_EQ(fakes.shell->targets(), c.tried);
        ASSERT_EQ(answers.seen().size(), c.result == 42 ? 1 : 2);
    }
}

// A desktop may have no system monitor: that is said instead of nothing.
TEST_F(HiddenToolsCommandTest, TaskManagerStartsTheSystemMonitorOrSaysThereIsNone) {
    const struct {
        int answer, result, launches, windows;
    } cases[] = {{1, 42, 0, 1}, {0, 42, 1, 1}, {0, 2, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer * 100 + c.result);
        fakes.shell->calls.clear();
        fakes.shell->result = c.result;
        ModalAnswers answers;
        answers.click(c.answer).press(QMessageBox::Ok);
        menuHidden_TaskManager_Click(nullptr);
        EXPECT_EQ(fakes.shell->calls.size(), c.launches);
        EXPECT_EQ(answers.seen().size(), c.windows);
    }
}

} // namespace
} // namespace pathwick::test
