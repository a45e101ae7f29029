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

class HiddenToolsCommandTest : public testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
};

TEST_F(HiddenToolsCommandTest, NoToTheCompanionQuestionLaunchesNothing) {
    for (const bool escape : {false, true}) {
        ModalAnswers answers;
        if (escape)
            answers.cancel();
        else
            answers.click(1);
        menu_LoadLampwatch_Click(folder.path());
        const SeenModal question = answers.only();
        EXPECT_EQ(question.heading, "Load Lampwatch:");
        EXPECT_EQ(question.text, "Do you want to load\r\nlampwatch ?");
        EXPECT_EQ(question.buttonCaptions, (QStringList{"&Yes", "&No"}));
        EXPECT_TRUE(fake.shell->calls.isEmpty());
    }
}

TEST_F(HiddenToolsCommandTest, ACompanionThatStartsIsLaunchedOnce) {
    ModalAnswers answers;
    answers.click(0);
    menu_LoadLampwatch_Click(folder.path());
    EXPECT_EQ(fake.shell->targets(), QStringList{folder.path() + "/lampwatch"});
}

TEST_F(HiddenToolsCommandTest, AMissingCompanionIsTriedTwiceThenReportedInRed) {
    fake.shell->result = 2;
    for (const int answer : {0, 1}) {
        fake.shell->calls.clear();
        ModalAnswers answers;
        answers.click(0).click(answer);
        menu_LoadLampwatch_Click(folder.path());
        ASSERT_EQ(answers.seen().size(), 2);
        const SeenModal report = answers.seen()[1];
        const QString companion = folder.path() + "/lampwatch";
        EXPECT_EQ(report.title, "Pathwick can't find lampwatch");
        EXPECT_EQ(report.heading, "Can't find lampwatch.");
        EXPECT_EQ(report.text, "Can't find or load lampwatch\r\nPlesae check that lampwatch is in "
                               "the same directory as " +
                                   ExecutableName() + "\r\n\r\nThe " + ExecutableName() +
                                   " directory is;\r\n" + folder.path());
        EXPECT_EQ(report.buttonCaptions, (QStringList{"&Open directory", "&Close window only"}));
        EXPECT_EQ(report.labelColour, QColor(128, 0, 0));
        EXPECT_EQ(report.buttonColours,
                  (QList<QColor>{QColor(0xCF, 0xCF, 0xCF), QColor(0xCF, 0xCF, 0xCF)}));
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
        ModalAnswers answers;
        answers.click(0).press(QMessageBox::Ok);
        menuHidden_TaskManager_Click(nullptr);
        ASSERT_FALSE(answers.seen().isEmpty());
        EXPECT_EQ(answers.seen()[0].title, "Pathwick - Load Task Manager:");
        EXPECT_EQ(answers.seen()[0].heading, "Load the Windows Task Manager?        ");
        EXPECT_EQ(answers.seen()[0].buttonCaptions, (QStringList{"&Load it", "Not &now"}));
        EXPECT_EQ(fake.shell->targets(), QStringList{"C:\\WINDOWS\\System32\\Taskmgr.exe"});
        EXPECT_EQ(answers.seen().size(), result == 42 ? 1 : 2);
    }
    fake.shell->calls.clear();
    ModalAnswers notNow;
    notNow.click(1);
    menuHidden_TaskManager_Click(nullptr);
    EXPECT_TRUE(fake.shell->calls.isEmpty());
}

TEST_F(HiddenToolsCommandTest, SelfTestIsTitledWithTheProcessCount) {
    fake.processes->names = QStringList{"bash", ExecutableName(), "Xvfb"};
    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    menuHidden_X_Click(nullptr);
    const SeenModal box = answers.only();
    EXPECT_EQ(box.title, " 3");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(box.text.endsWith("OK :o)"));
}

} // namespace
} // namespace pathwick::test
