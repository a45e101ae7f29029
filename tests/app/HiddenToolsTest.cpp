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
    struct Case {
        QStringList walk;
        QString ending;
        QString names;
    };
    const Case cases[] = {
        {{"bash", self, "pathwick-helper"}, "OK :o)", self + "\r\n"},
        {{self, "bash", self}, "2 is <>1 :o(", self + "\r\n" + self + "\r\n"},
        {{"bash", self.toUpper(), self + "2"}, "0 is <>1 :o(", ""},
        {{}, "0 is <>1 :o(", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(selfTestText(c.walk, self),
                  c.names + "\r\nThis app is; " + ExecutableName() + "\r\n" + c.ending)
            << c.walk.join(',').toStdString();
    }
}

TEST(HiddenTools, ToDoListNamesTheVersionAndEndsWithTheShutdownCheck) {
    const QString text = toDoListText();
    EXPECT_TRUE(text.startsWith("Things to do list:\r\n(Version 0.01.0016, 30/03/2025 -  9:50am)\r\n"
                                "\tNot tested with Windows 95\r\n"));
    EXPECT_TRUE(text.endsWith("\tNot tested with Windows 12\r\n\r\n"
                              "Edit code that checks if a Shutdown is running.\r\n"));
    EXPECT_EQ(text.count("\r\n\t"), 8);
}

// Starts answering the next modal window once the first answer has been given.
template <typename Answer, typename... Args>
void answerNext(const bool& firstShown, std::optional<Answer>& next, Args... args) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, &firstShown, &next, args...] {
        if (!firstShown)
            return;
        next.emplace(args...);
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

class HiddenToolsCommandTest : public testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
};

TEST_F(HiddenToolsCommandTest, NoToTheCompanionQuestionLaunchesNothing) {
    for (const int answer : {1, -1}) {
        MessageWindowAnswer question(answer);
        menu_LoadLampwatch_Click(folder.path());
        EXPECT_TRUE(question.shown);
        EXPECT_EQ(question.heading, "Load Lampwatch:");
        EXPECT_EQ(question.message, "Do you want to load\nlampwatch ?");
        EXPECT_EQ(question.buttons, (QStringList{"&Yes", "&No"}));
        EXPECT_TRUE(fake.shell->calls.isEmpty());
    }
}

TEST_F(HiddenToolsCommandTest, ACompanionThatStartsIsLaunchedOnce) {
    MessageWindowAnswer question(0);
    menu_LoadLampwatch_Click(folder.path());
    EXPECT_EQ(fake.shell->targets(), QStringList{folder.path() + "/lampwatch"});
}

TEST_F(HiddenToolsCommandTest, AMissingCompanionIsTriedTwiceThenReportedInRed) {
    fake.shell->result = 2;
    for (const int answer : {0, 1}) {
        fake.shell->calls.clear();
        std::optional<MessageWindowAnswer> report;
        MessageWindowAnswer question(0);
        answerNext(question.shown, report, answer);
        menu_LoadLampwatch_Click(folder.path());
        ASSERT_TRUE(report && report->shown);
        const QString companion = folder.path() + "/lampwatch";
        EXPECT_EQ(report->caption, "Pathwick can't find lampwatch");
        EXPECT_EQ(report->heading, "Can't find lampwatch.");
        EXPECT_EQ(report->message,
                  "Can't find or load lampwatch\nPlesae check that lampwatch is in the same "
                  "directory as " + ExecutableName() + "\n\nThe " + ExecutableName() +
                      " directory is;\n" + folder.path());
        EXPECT_EQ(report->buttons, (QStringList{"&Open directory", "&Close window only"}));
        EXPECT_EQ(report->labelColour, QColor(128, 0, 0));
        EXPECT_EQ(report->buttonColours, (QList<QColor>{QColor(0xCF, 0xCF, 0xCF),
                                                        QColor(0xCF, 0xCF, 0xCF)}));
        QStringList expected{companion, companion};
        if (answer == 0)
            expected.append(folder.path());
        EXPECT_EQ(fake.shell->targets(), expected);
    }
}

TEST_F(HiddenToolsCommandTest, TaskManagerStartsTheSystemMonitorOrSaysThereIsNone) {
    for (const int result : {42, 2}) {
        fake.shell->result = result;
        fake.shell->calls.clear();
        MessageWindowAnswer question(0);
        std::optional<MessageBoxAnswer> none;
        answerNext(question.shown, none);
        menuHidden_TaskManager_Click(nullptr);
        EXPECT_EQ(question.caption, "Pathwick - Load Task Manager:");
        EXPECT_EQ(question.heading, "Load the Windows Task Manager?        ");
        EXPECT_EQ(question.buttons, (QStringList{"&Load it", "Not &now"}));
        EXPECT_EQ(fake.shell->targets(), QStringList{"C:\\WINDOWS\\System32\\Taskmgr.exe"});
        EXPECT_EQ(none && none->shown, result != 42);
    }
    fake.shell->calls.clear();
    MessageWindowAnswer notNow(1);
    menuHidden_TaskManager_Click(nullptr);
    EXPECT_TRUE(fake.shell->calls.isEmpty());
}

TEST_F(HiddenToolsCommandTest, SelfTestIsTitledWithTheProcessCount) {
    fake.processes->names = QStringList{"bash", ExecutableName(), "Xvfb"};
    MessageBoxAnswer box;
    menuHidden_X_Click(nullptr);
    EXPECT_EQ(box.title, " 3");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(box.text.endsWith("OK :o)"));
}

} // namespace
} // namespace pathwick::test
