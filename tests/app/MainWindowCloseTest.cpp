#include "MainWindowFixture.h"

#include "common/Version.h"

#include <QDialog>
#include <QFile>

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, CloseWithoutCountdownOrNoticeAsksNothingButWritesTheValues) {
    // An exit with hot keys off; the end of the session even with hot keys on and a countdown.
    for (const bool sessionEnd : {false, true}) {
        SCOPED_TRACE(sessionEnd);
        write(catalogue::HotKeysRunning, sessionEnd);
        write(catalogue::HotKeysTestmode, false);
        auto window = makeWindow();
        window->show();
        auto* other = new QDialog(window.get());
        other->show();
        if (sessionEnd)
            timer(*window, "tim_ComputerShutdownTimer")->start(60000);
        window->TestMode_valueSet(true);

        test::ModalWatcher watcher([](QWidget* modal) { modal->close(); });
        if (sessionEnd)
            window->closeForSessionEnd();
        else
            action(*window, "menu_ExitApp")->trigger();
        EXPECT_EQ(watcher.seen(), 0);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(other->isVisible());
        EXPECT_TRUE(fakes.sound->played.isEmpty());
        EXPECT_EQ(read(catalogue::HotKeysRunning), sessionEnd);
        EXPECT_TRUE(read(catalogue::HotKeysTestmode));
    }
}

TEST_F(MainWindowTest, CloseWithHotKeysShowsTheClosingNoticeWithAlarm) {
    // The alarm ships beside the program; made here when the build has not put it there.
    const QString alarm = ProgramFolder() + "/Alarm01.wav";
    QFile made(alarm);
    const bool madeHere = !QFile::exists(alarm) && made.open(QIODevice::WriteOnly);

    auto window = makeWindow();
    window->show();
    {
        test::MessageWindowAnswer notice(-1);
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(notice.shown);
        EXPECT_EQ(notice.heading, "Pathwick is closing down.");
        EXPECT_EQ(notice.message,
                  "Pathwick is closing down.\nThis will also stop any hot keys from working.");
        EXPECT_EQ(notice.buttons, QStringList{"&OK"});
        EXPECT_EQ(notice.closeInterval, 5000);
        EXPECT_TRUE(notice.closeActive);
    }
    EXPECT_EQ(fakes.sound->played, QStringList{alarm});
    EXPECT_TRUE(read(catalogue::HotKeysRunning));
    EXPECT_FALSE(read(catalogue::HotKeysTestmode));
    if (madeHere)
        made.remove();
}

TEST_F(MainWindowTest, CountdownWarningDefaultsToNoWhichKeepsRunningButWritesValues) {
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow();
    window->show();
    timer(*window, "tim_ComputerShutdownTimer")->start(60000);
    window->TestMode_valueSet(true);

    test::MessageBoxAnswer no(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(no.title, "Pathwick - Close warning: --:--");
    EXPECT_EQ(no.text, "Warning:\r\nPathwick has a shutdown computer timer running.\r\n"
                       "If you close this program, the computer will not turn off at; \r\n"
                       "--:--\r\n\r\n\tAre you sure you wish to close this application?");
    EXPECT_EQ(no.icon, QMessageBox::Warning);
    EXPECT_EQ(no.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(no.defaultButton, QMessageBox::No);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(read(catalogue::HotKeysTestmode));

    test::MessageBoxAnswer yes(QMessageBox::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(yes.shown);
    EXPECT_FALSE(window->isVisible());
}
