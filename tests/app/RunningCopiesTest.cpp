#include "app/RunningCopies.h"
#include "QtPrinting.h"
#include "app/StartUp.h"
#include "common/MessageWindow.h"
#include "common/Version.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pathwick;
using platform::fake::FakePlatform;

namespace {

const QString Own = ExecutableName() + ExecutableSuffix();

} // namespace

TEST(RunningProcessInfo, AnswersByIndexOverOneWalk) {
    const QStringList walk{"bash", "pathwick", "Xvfb"};
    EXPECT_EQ(processInfoFrom(walk, -1), " 3");
    EXPECT_EQ(processInfoFrom(walk, 0), "bash\r\npathwick\r\nXvfb\r\n");
    EXPECT_EQ(processInfoFrom(walk, 1), "bash");
    EXPECT_EQ(processInfoFrom(walk, 3), "Xvfb");
    EXPECT_EQ(processInfoFrom(walk, 4), "");
    EXPECT_EQ(processInfoFrom(walk, -2), "");
    EXPECT_EQ(processInfoFrom(QStringList{}, -1), " 0");
}

TEST(RunningProcessInfo, NoListMeansNothingWalked) {
    EXPECT_EQ(processInfoFrom(std::nullopt, -1), processInfoFrom(std::nullopt, 0));
    EXPECT_EQ(processInfoFrom(std::nullopt, 0), "");
    EXPECT_EQ(processInfoFrom(std::nullopt, 1), "");

    FakePlatform fakes;
    fakes.processes->names = std::nullopt;
    EXPECT_EQ(RunningProcessInfo(-1).trimmed().toInt(), 0);
    EXPECT_EQ(CountRunningCopies(), 0);
}

TEST(CountRunningCopies, CountsExactCaseSensitivePrefixMatches) {
    FakePlatform fakes;
    fakes.processes->names = QStringList{"bash", "Xvfb"};
    EXPECT_EQ(CountRunningCopies(), 0);

    fakes.processes->names = QStringList{"bash", Own, "Xvfb"};
    EXPECT_EQ(CountRunningCopies(), 1);
    EXPECT_EQ(RunningProcessInfo(2), Own);

    fakes.processes->names = QStringList{Own, "bash", Own};
    EXPECT_EQ(CountRunningCopies(), 2);

    // Another letter case is another program; a longer name with the prefix is a copy.
    fakes.processes->names = QStringList{Own.toUpper(), Own + "-old"};
    EXPECT_EQ(CountRunningCopies(), 1);
    EXPECT_EQ(countCopiesIn({"Pathwick", "pathwick", "pathwickx", "xpathwick"}, "pathwick"), 2);
}

TEST(RunningCopiesText, SpeaksOfTheCountAndTheProgram) {
    EXPECT_EQ(runningCopiesText(2, "pathwick", ""),
              "There are 2 copies of pathwick running.\r\n"
              "Runing more than one copy of pathwick\r\n"
              "may result in the hot keys sending the command more than once\r\n"
              "and the computer turning off at the wrong time.\r\n\r\n"
              "Do you wish to close this copy of pathwick?");
    EXPECT_TRUE(runningCopiesText(0, "Pathwick", ".exe")
                    .startsWith("There are 0 copies of Pathwick.exe running.\r\n"
                                "Runing more than one copy of Pathwick.exe\r\n"));
    EXPECT_TRUE(runningCopiesText(0, "Pathwick", ".exe").endsWith("copy of Pathwick?"));
}

namespace {

struct Asked {
    bool shown = false;
    QString heading;
    QString message;
    QStringList buttons;
    int closeInterval = 0;
    bool closeActive = false;
};

// Runs the start-up decision and answers the warning with a button (-1: Escape).
bool decide(int answer, Asked& asked) {
    test::ModalWatcher watcher([&](QWidget* modal) {
        auto* window = qobject_cast<frm_MessageWindow*>(modal);
        ASSERT_NE(window, nullptr);
        asked.shown = true;
        asked.heading = window->lab_MsgTitle->text();
        asked.message = window->lab_MainMessage->text();
        for (QPushButton* button : window->com_Button) {
            if (button->isVisible())
                asked.buttons.append(button->text());
        }
        asked.closeInterval = window->tim_WindowCloseTimer->interval();
        asked.closeActive = window->tim_WindowCloseTimer->isActive();
        if (answer < 0)
            window->close();
        else
            window->com_Button.at(answer)->click();
    });
    return runningCopiesCheckPasses();
}

} // namespace

TEST(RunningCopiesCheck, OneCopyStartsWithoutAsking) {
    FakePlatform fakes;
    fakes.processes->names = QStringList{"bash", Own};
    Asked asked;
    EXPECT_TRUE(decide(0, asked));
    EXPECT_FALSE(asked.shown);
    EXPECT_EQ(Form_Initialize({"/usr/bin/" + Own, "#Hidden", "x"}), QString("#Hidden x"));
    EXPECT_EQ(Form_Initialize({"/usr/bin/" + Own}), QString());
}

TEST(RunningCopiesCheck, SecondCopyAsksAndOnlyRunAnywayContinues) {
    FakePlatform fakes;
    fakes.processes->names = QStringList{Own, Own};

    Asked runAnyway;
    EXPECT_TRUE(decide(1, runAnyway));
    EXPECT_TRUE(runAnyway.shown);
    EXPECT_EQ(runAnyway.heading, "Warning:");
    EXPECT_TRUE(runAnyway.message.startsWith("There are 2 copies of " + Own + " running."));
    EXPECT_EQ(runAnyway.buttons, (QStringList{"&Yes", "&Run anyway"}));
    EXPECT_EQ(runAnyway.closeInterval, 15000);
    EXPECT_TRUE(runAnyway.closeActive);

    Asked yes;
    EXPECT_FALSE(decide(0, yes));
    Asked escaped;
    EXPECT_FALSE(decide(-1, escaped));
    EXPECT_TRUE(escaped.shown);
}

TEST(RunningCopiesCheck, NoCopyFoundStillAsks) {
    FakePlatform fakes;
    fakes.processes->names = QStringList{Own.toUpper()};
    Asked asked;
    EXPECT_FALSE(decide(0, asked));
    EXPECT_TRUE(asked.message.startsWith("There are 0 copies of "));

    test::ModalWatcher closer([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(Form_Initialize({Own, "x"}), std::nullopt);
}
