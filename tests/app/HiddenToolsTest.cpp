#include "MainWindowFixture.h"

#include "app/HiddenTools.h"
#include "app/HiddenToolsCommands.h"
#include "common/Version.h"
#include "platform/fake/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick::test {
namespace {

TEST(HiddenTools, SelfTestCountsOnlyThisProgramsCopies) {
    const QString self = ExecutableName() + ExecutableSuffix();
    const struct {
        QStringList walk;
        QString names, ending;
    } cases[] = {
        {{"bash", self, "pathwick-helper"}, self + "\r\n", "OK :o)"},
        {{self, "bash", self}, self + "\r\n" + self + "\r\n", "2 is <>1 :o("},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(selfTestText(c.walk, self),
                  c.names + "\r\nThis app is; " + ExecutableName() + "\r\n" + c.ending)
            << c.walk.join(',').toStdString();
    }
}

class HiddenToolsCommandTest : public testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
};

// The companion is launched on Yes only, tried twice, and its absence reported; the report's
// first button opens the program folder.
TEST_F(HiddenToolsCommandTest, TheCompanionIsTriedTwiceThenReported) {
    const QString companion = folder.path() + "/lampwatch";
    const struct {
        int question; // button index, -1 for Escape
        int result;
        int report;
        QStringList tried;
    } cases[] = {
        {-1, 42, 0, {}},
        {1, 42, 0, {}},
        {0, 42, 0, {companion}},
        {0, 2, 1, {companion, companion}},
        {0, 2, 0, {companion, companion, folder.path()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tried.size());
        fake.shell->calls.clear();
        fake.shell->result = c.result;
        ModalAnswers answers;
        (c.question < 0 ? answers.cancel() : answers.click(c.question)).click(c.report);
        menu_LoadLampwatch_Click(folder.path());
        EXPECT_EQ(fake.shell->targets(), c.tried);
        ASSERT_EQ(answers.seen().size(), c.result == 42 ? 1 : 2);
        EXPECT_EQ(answers.seen()[0].text, "Do you want to load\r\nlampwatch ?");
        if (c.result == 42)
            continue;
        EXPECT_EQ(answers.seen()[1].title, "Pathwick can't find lampwatch");
        EXPECT_EQ(answers.seen()[1].text,
                  "Can't find or load lampwatch\r\nPlesae check that lampwatch is in the same "
                  "directory as " +
                      ExecutableName() + "\r\n\r\nThe " + ExecutableName() + " directory is;\r\n" +
                      folder.path());
    }
}

// A desktop may have no system monitor: that is said instead of nothing.
TEST_F(HiddenToolsCommandTest, TaskManagerStartsTheSystemMonitorOrSaysThereIsNone) {
    const struct {
        int answer, result, launches, windows;
    } cases[] = {{1, 42, 0, 1}, {0, 42, 1, 1}, {0, 2, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer * 100 + c.result);
        fake.shell->calls.clear();
        fake.shell->result = c.result;
        ModalAnswers answers;
        answers.click(c.answer).press(QMessageBox::Ok);
        menuHidden_TaskManager_Click(nullptr);
        EXPECT_EQ(fake.shell->calls.size(), c.launches);
        EXPECT_EQ(answers.seen().size(), c.windows);
    }
}

} // namespace
} // namespace pathwick::test
