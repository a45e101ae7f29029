#include "ShutdownFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace pathwick {
namespace {

using test::ShutdownTest;

// The countdown's own tests cover its timing; here the menu, the warning and the launch.
TEST_F(ShutdownTest, OneHourCountsDownWarnsAndLaunches) {
    widgets.menu.times.at(0)->trigger();
    EXPECT_EQ(command->calls, QStringList{"-a"});
    EXPECT_EQ(widgets.menu.display->text(), "60 minutes untli 4:00pm");
    EXPECT_EQ(widgets.warningPicture->toolTip(),
              "Computer shutdown\r\nat 4:00pm\r\nUnsave data will be lost.");
    controller->loadStarting(); // the load run again after the list editor saved
    EXPECT_TRUE(controller->countdownRunning());
    EXPECT_TRUE(widgets.menu.abort->isEnabled());

    tickMinutes(59);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(widgets.displayInfo->toPlainText().startsWith("Shutting down this computer."));
    EXPECT_EQ(widgets.displayInfo->palette().color(QPalette::Base), QColor(255, 127, 127));
    EXPECT_EQ(widgets.displayInfo->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    // A shutdown the system refuses at the end is said, and the menus start again.
    command->answer = {false, {}, "Access denied"};
    test::ModalAnswers answers;
    tickMinutes(1);
    EXPECT_EQ(command->calls, (QStringList{"-a", "-a", "-s -f"}));
    EXPECT_TRUE(answers.only().text.contains("Access denied"));
    EXPECT_TRUE(startItemsEnabled());
    EXPECT_FALSE(widgets.warningPicture->isVisible());
    EXPECT_EQ(widgets.displayInfo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(controller->shutdownTimeText(), "--:--");
}

// A failed system abort says so and keeps the pending shutdown.
TEST_F(ShutdownTest, SystemControlledHandsTheDelayToTheSystemAndTheAbort) {
    write(catalogue::ThisAppControlsShutdown, false);
    write(catalogue::ShutdownReboot, true);
    EXPECT_TRUE(controller->StartShutdown(1, 1));
    EXPECT_TRUE(
        command->calls.value(1).startsWith("-r -t 3660 -c \"Computer shutdown in one hour and "
                                           "1 minute at 4:01pm\r\n"));
    EXPECT_FALSE(controller->countdownRunning());

    command->answer = {false, {}, "Not permitted"};
    test::ModalAnswers answers;
    widgets.menu.abort->trigger();
    EXPECT_TRUE(answers.only().text.contains("Not permitted"));
    EXPECT_TRUE(widgets.warningPicture->isVisible());
    EXPECT_TRUE(widgets.menu.abort->isEnabled());

    // Started again to abort it, the program finds the system's shutdown, and the window
    // becoming active keeps the abort.
    widgets.warningPicture->hide();
    probe->answer = true;
    controller->loadStarting();
    controller->activated();
    EXPECT_TRUE(widgets.menu.abort->isEnabled());
}

// The request's own tests cover malformed requests; here one the system refuses.
TEST_F(ShutdownTest, ARefusedShutdownIsShownAndNothingCountsDown) {
    command->answer = {false, {}, "Access denied"};
    test::ModalAnswers answers;
    controller->runRequest("?HoursMinutes=90", "?HoursMinutes=90");
    EXPECT_TRUE(answers.only().text.contains("Access denied"));
    EXPECT_FALSE(controller->countdownRunning());
    EXPECT_FALSE(widgets.warningPicture->isVisible());
    EXPECT_TRUE(startItemsEnabled());
    EXPECT_FALSE(widgets.menu.abort->isEnabled());
}

// A system shutdown let be at the start question is aborted by the system, not said to be.
TEST_F(ShutdownTest, AbortCancelsASystemShutdownLetBeAtStart) {
    probe->answer = true;
    test::ModalAnswers answers;
    answers.click(1); // "&Ignore"
    controller->loadStarting();
    controller->activated();
    ASSERT_TRUE(widgets.menu.abort->isEnabled());
    probe->answer = false;
    widgets.menu.abort->trigger();
    EXPECT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(command->calls, QStringList{"-a"});
    EXPECT_FALSE(widgets.menu.abort->isEnabled());
}

TEST_F(ShutdownTest, AbortRestoresTheMenus) {
    controller->StartShutdown(2, 0);
    tickMinutes(119);
    ASSERT_TRUE(window.isMaximized());
    test::ModalAnswers answers;
    widgets.menu.abort->trigger();
    EXPECT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(startItemsEnabled());
    EXPECT_FALSE(widgets.menu.abort->isEnabled());
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(widgets.displayInfo->palette().color(QPalette::Base),
              QApplication::palette(widgets.displayInfo).color(QPalette::Base));
    EXPECT_EQ(refills, 1);
    tickMinutes(5);
    EXPECT_EQ(command->calls, QStringList{"-a"});
}

TEST_F(ShutdownTest, UserTimeItem) {
    widgets.menu.times.at(8)->trigger(); // no stored minutes: the item adds 5
    EXPECT_EQ(controller->countdown().minutesLeft(), 5 * 60 + 5);

    write(catalogue::UserShutdownTimeHours, 0);
    write(catalogue::UserShutdownTimeMinutes, 0);
    controller->StartShutdown(0, 0); // nothing set counts a full hour
    EXPECT_EQ(controller->countdown().minutesLeft(), 60);
    EXPECT_EQ(controller->shutdownTimeText(), "4:00pm");
}

TEST_F(ShutdownTest, RebootSchedule) {
    WriteSetting("HKEY_CURRENT_USER", "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                 "Pathwick", "S", "/usr/bin/pathwick");
    write(catalogue::RebootEveryHourIndex, qint16(6));
    controller->StartRebootTimer(); // daily at the stored time, by default 12:12am
    EXPECT_TRUE(controller->rebootStarted());
    EXPECT_EQ(controller->countdown().minutesLeft(), 9 * 60 + 12);

    clock->advanceSeconds(10 * 60);
    controller->StartRebootTimer(); // the schedule's shutdown stands
    EXPECT_EQ(controller->countdown().minutesLeft(), 9 * 60 + 12 - 10);

    // Saving "Re-boot once only" in the schedule window aborts the schedule's shutdown and
    // writes only the choice.
    test::ModalAnswers answers;
    answers.handle([](QWidget* modal) {
        const auto lengths = modal->findChildren<QRadioButton*>("opt_RebootLength");
        lengths.last()->setChecked(true);
        modal->findChild<QComboBox*>("combo_Hours")->setCurrentIndex(10);
        EXPECT_TRUE(modal->findChild<QLabel*>("lab_Warning_02")->text().endsWith("at; 10:00am"));
        lengths.first()->setChecked(true);
        modal->findChild<QComboBox*>("combo_Hours")->setCurrentIndex(7);
        // Clicked from the event loop: the abort's notice opens inside the click.
        QTimer::singleShot(0, modal->findChild<QPushButton*>("com_OK"), &QPushButton::click);
    });
    answers.press(QMessageBox::Ok);
    controller->showRebootSchedule(&window);
    EXPECT_EQ(read(catalogue::RebootEveryHourIndex), 0);
    EXPECT_EQ(read(catalogue::RebootEveryHours), 0); // still not stored
    EXPECT_FALSE(controller->rebootStarted());
    EXPECT_FALSE(controller->countdownRunning());
}

} // namespace
} // namespace pathwick
