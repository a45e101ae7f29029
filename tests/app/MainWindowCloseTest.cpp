#include "MainWindowFixture.h"

#include "common/MessageWindow.h"
#include "common/Version.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace pathwick;
using test::MainWindowTest;

namespace {

struct Notice {
    bool shown = false;
    QString heading;
    QString message;
    QStringList buttons;
    int closeInterval = 0;
    bool closeActive = false;
};

// Reads the closing notice and dismisses it; any other modal window is closed.
test::ModalWatcher noticeReader(Notice& notice) {
    return test::ModalWatcher([&notice](QWidget* modal) {
        if (auto* window = qobject_cast<frm_MessageWindow*>(modal)) {
            notice.shown = true;
            notice.heading = window->lab_MsgTitle->text();
            notice.message = window->lab_MainMessage->text();
            for (QPushButton* button : window->com_Button) {
                if (button->isVisible())
                    notice.buttons.append(button->text());
            }
            notice.closeInterval = window->tim_WindowCloseTimer->interval();
            notice.closeActive = window->tim_WindowCloseTimer->isActive();
        }
        modal->close();
    });
}

// The alarm the program ships beside its executable; made for the test when the build has
// not put it there.
class ShippedAlarm {
public:
    ShippedAlarm() : path_(ProgramFolder() + "/Alarm01.wav") {
        if (QFile::exists(path_))
            return;
        QFile file(path_);
        made_ = file.open(QIODevice::WriteOnly);
    }
    ~ShippedAlarm() {
        if (made_)
            QFile::remove(path_);
    }
    ShippedAlarm(const ShippedAlarm&) = delete;
    ShippedAlarm& operator=(const ShippedAlarm&) = delete;

private:
    QString path_;
    bool made_ = false;
};

} // namespace

TEST_F(MainWindowTest, CloseWithoutCountdownOrHotKeysAsksNothing) {
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow();
    window->show();
    window->TestMode_valueSet(true);

    test::ModalWatcher watcher([](QWidget* modal) { modal->close(); });
    EXPECT_TRUE(window->close());
    EXPECT_EQ(watcher.seen(), 0);
    EXPECT_TRUE(fakes.sound->played.isEmpty());
    EXPECT_FALSE(read(catalogue::HotKeysRunning));
    EXPECT_TRUE(read(catalogue::HotKeysTestmode));
}

TEST_F(MainWindowTest, CloseWithHotKeysShowsTheClosingNoticeWithAlarm) {
    const ShippedAlarm alarm;
    auto window = makeWindow();
    window->show();
    Notice notice;
    {
        test::ModalWatcher watcher = noticeReader(notice);
        EXPECT_TRUE(window->close());
    }
    EXPECT_TRUE(notice.shown);
    EXPECT_EQ(notice.heading, "Pathwick is closing down.");
    EXPECT_EQ(notice.message.remove('\r'),
              "Pathwick is closing down.\nThis will also stop any hot keys from working.");
    EXPECT_EQ(notice.buttons, QStringList{"&OK"});
    EXPECT_EQ(notice.closeInterval, 5000);
    EXPECT_TRUE(notice.closeActive);
    ASSERT_EQ(fakes.sound->played.size(), 1);
    EXPECT_TRUE(fakes.sound->played.first().endsWith("Alarm01.wav"));
    EXPECT_TRUE(read(catalogue::HotKeysRunning));
    EXPECT_FALSE(read(catalogue::HotKeysTestmode));
}

TEST_F(MainWindowTest, CountdownWarningNoKeepsRunningButWritesValues) {
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow();
    window->show();
    timer(*window, "tim_ComputerShutdownTimer")->start(60000);
    window->TestMode_valueSet(true);

    test::MessageBoxAnswer no(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(no.shown);
    EXPECT_EQ(no.title, "Pathwick - Close warning: --:--");
    EXPECT_EQ(no.text, "Warning:\r\nPathwick has a shutdown computer timer running.\r\n"
                       "If you close this program, the computer will not turn off at; \r\n"
                       "--:--\r\n\r\n\tAre you sure you wish to close this application?");
    EXPECT_EQ(no.icon, QMessageBox::Warning);
    EXPECT_EQ(no.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(read(catalogue::HotKeysTestmode));

    test::MessageBoxAnswer yes(QMessageBox::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(yes.shown);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, CountdownWarningDefaultsToNo) {
    auto window = makeWindow();
    window->show();
    timer(*window, "tim_ComputerShutdownTimer")->start(60000);
    bool defaultIsNo = false;
    test::ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
        box->defaultButton()->click();
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(defaultIsNo);
}

TEST_F(MainWindowTest, SessionEndClosesWithoutQuestions) {
    auto window = makeWindow();
    window->show();
    timer(*window, "tim_ComputerShutdownTimer")->start(60000);
    window->TestMode_valueSet(true);

    test::ModalWatcher watcher([](QWidget* modal) { modal->close(); });
    window->closeForSessionEnd();
    EXPECT_EQ(watcher.seen(), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fakes.sound->played.isEmpty());
    EXPECT_TRUE(read(catalogue::HotKeysRunning));
    EXPECT_TRUE(read(catalogue::HotKeysTestmode));
}

TEST_F(MainWindowTest, ExitClosesAndUnloadsOtherWindows) {
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow();
    window->show();
    auto* other = new QDialog(window.get());
    other->show();

    action(*window, "menu_ExitApp")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(other->isVisible());
}
