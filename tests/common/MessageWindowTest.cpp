#include "common/MessageWindow.h"
#include "common/Twips.h"
#include "support/ModalDialogs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

// Shows the message window and runs act on it once it is up; act must close it.
int displayThen(const std::function<void(frm_MessageWindow&)>& act, const QString& heading,
                const QString& buttons, int defaultButton, int buttonWidth = 1335,
                const QString& message = "Message") {
    test::ModalWatcher watcher([&](QWidget* modal) {
        if (auto* window = qobject_cast<frm_MessageWindow*>(modal))
            act(*window);
        else
            modal->close();
    });
    const int result = MessageDisplay(message, heading, buttons, defaultButton, buttonWidth);
    EXPECT_EQ(watcher.seen(), 1);
    EXPECT_EQ(ButtonValue(), result);
    return result;
}

int px(int twips, const QWidget& widget) {
    return twipsToPixels(twips, &widget);
}

QList<QPushButton*> shownButtons(const frm_MessageWindow& window) {
    QList<QPushButton*> shown;
    for (QPushButton* button : window.com_Button) {
        if (button->isVisibleTo(&window))
            shown.append(button);
    }
    return shown;
}

QStringList captions(const frm_MessageWindow& window) {
    QStringList texts;
    for (const QPushButton* button : shownButtons(window))
        texts.append(button->text());
    return texts;
}

class MessageWindowTest : public testing::Test {
protected:
    MessageWindowTest() { setMessageWindowOwner(&owner); }
    ~MessageWindowTest() override { setMessageWindowOwner(nullptr); }
    QWidget owner;
};

} // namespace

TEST_F(MessageWindowTest, LoadsInItsDesignStateEveryTime) {
    MessageWindow().setWindowTitle("Pathwick - Shutdown /a");
    displayThen(
        [](frm_MessageWindow& window) {
            EXPECT_EQ(window.windowTitle(), "Pathwick - Shutdown /a");
            window.close();
        },
        "Heading", "&A|&B|&C", 0);

    const frm_MessageWindow& window = MessageWindow();
    EXPECT_EQ(window.windowTitle(), "Message from Pathwick:");
    EXPECT_EQ(window.parentWidget(), &owner);
    EXPECT_EQ(window.lab_MsgTitle->text(), "Please note:");
    EXPECT_TRUE(window.lab_MsgTitle->font().bold());
    EXPECT_DOUBLE_EQ(window.lab_MsgTitle->font().pointSizeF(), 9.75);
    EXPECT_EQ(window.lab_MsgTitle->pos(), QPoint(px(60, window), px(60, window)));
    EXPECT_EQ(window.lab_MainMessage->pos(), QPoint(px(60, window), px(300, window)));
    ASSERT_EQ(window.com_Button.size(), 2);
    EXPECT_EQ(window.com_Button[0]->geometry(),
              QRect(px(120, window), px(2400, window), px(1335, window), px(375, window)));
    EXPECT_EQ(window.com_Button[1]->x(), px(1560, window));
    EXPECT_EQ(captions(window), QStringList({"&Ok"}));
    EXPECT_FALSE(window.com_Button[1]->isEnabled());
    EXPECT_EQ(window.tim_WindowCloseTimer->interval(), 0);
    EXPECT_FALSE(window.tim_WindowCloseTimer->isActive());
}

TEST_F(MessageWindowTest, ButtonsKeysAndCloseCommand) {
    EXPECT_EQ(displayThen(
                  [](frm_MessageWindow& window) {
                      EXPECT_TRUE(window.isModal());
                      EXPECT_EQ(captions(window), QStringList({"&Yes", "&Run anyway"}));
                      EXPECT_TRUE(window.com_Button[0]->font().bold());
                      EXPECT_FALSE(window.com_Button[1]->font().bold());
                      EXPECT_EQ(window.focusWidget(), window.com_Button[0]);
                      window.com_Button[1]->click();
                  },
                  "Warning:", "&Yes|&Run anyway", 0),
              1);
    // Escape and Pause keep the default, also when pressed on a button.
    const auto key = [](Qt::Key key, int button) {
        return [=](frm_MessageWindow& window) { QTest::keyClick(window.com_Button[button], key); };
    };
    EXPECT_EQ(displayThen(key(Qt::Key_Escape, 1), "Warning:", "&Yes|&Run anyway", 0), 0);
    EXPECT_EQ(displayThen(key(Qt::Key_Pause, 0), "Close?", "&Close|Do &NOT close", 1, 2000), 1);
    EXPECT_EQ(displayThen([](frm_MessageWindow& window) { window.close(); }, "Load?", "&Yes|&No", 1,
                          1000),
              1);
    // Enter presses the focused default button.
    EXPECT_EQ(displayThen(
                  [](frm_MessageWindow& window) {
                      ASSERT_EQ(window.focusWidget(), window.com_Button[1]);
                      QTest::keyClick(window.focusWidget(), Qt::Key_Return);
                  },
                  "Close?", "&Close|Do &NOT close", 1),
              1);
}

TEST_F(MessageWindowTest, CaptionListRules) {
    const auto expectCaptions = [&](const QString& buttons, const QStringList& expected) {
        displayThen(
            [&](frm_MessageWindow& window) {
                EXPECT_EQ(captions(window), expected) << buttons.toStdString();
                window.close();
            },
            "Heading", buttons, 0);
    };
    expectCaptions("&OK", {"&OK"});
    expectCaptions("", {"&Ok"});
    expectCaptions("  &One |  | &Three | ", {"&One", "Button &2", "&Three"});
    expectCaptions("&A||", {"&A", "Button &2"});
}

TEST_F(MessageWindowTest, ButtonsInARowAtTheClampedWidth) {
    int twoButtonWidth = 0;
    displayThen(
        [&](frm_MessageWindow& window) {
            twoButtonWidth = window.width();
            window.close();
        },
        "Head", "&A|&B", 0);
    for (const auto& [asked, used] : {std::pair{300, 1000}, {9000, 5000}, {1335, 1335}}) {
        displayThen(
            [&, used = used](frm_MessageWindow& window) {
                const QList<QPushButton*> shown = shownButtons(window);
                ASSERT_EQ(shown.size(), 4);
                const int left = px(120, window);
                for (int i = 0; i < 4; ++i) {
                    EXPECT_EQ(shown[i]->geometry(),
                              QRect(left + i * (px(used, window) + left), shown[0]->y(),
                                    px(used, window), shown[0]->height()));
                }
                // The window is sized by the labels, not the buttons.
                EXPECT_EQ(window.width(), twoButtonWidth);
                shown[3]->click();
            },
            "Head", "&A|&B|&C|&D", 0, asked);
    }
}

TEST_F(MessageWindowTest, LayoutFollowsTheLabels) {
    const QString longLine(120, 'W');
    displayThen(
        [&](frm_MessageWindow& window) {
            const QLabel* title = window.lab_MsgTitle;
            const QLabel* message = window.lab_MainMessage;
            EXPECT_EQ(message->y(), title->y() + title->height());
            // Lines break at CR LF only: three lines, the long one unbroken.
            const QFontMetrics metrics(message->font());
            EXPECT_GE(message->width(), metrics.horizontalAdvance(longLine));
            EXPECT_GE(message->height(), 3 * metrics.height());
            EXPECT_LT(message->height(), 4 * metrics.height());
            EXPECT_EQ(window.width(), message->width() + 2 * message->x());
            const QPushButton* first = window.com_Button[0];
            EXPECT_EQ(first->y(), message->y() + message->height() + title->y());
            EXPECT_EQ(window.height(), first->y() + first->height() + title->y());
            window.close();
        },
        "Heading", "&OK", 0, 1335, "first\r\n" + longLine + "\r\nlast");

    displayThen(
        [](frm_MessageWindow& window) {
            const QLabel* title = window.lab_MsgTitle;
            EXPECT_EQ(window.width(), title->width() + 2 * title->x());
            // Texts are shown as they are, never as markup.
            EXPECT_EQ(window.lab_MainMessage->textFormat(), Qt::PlainText);
            window.close();
        },
        "Load the Windows Task Manager?        ", "&Load it|Not &now", 0, 1335, "<b>x</b>");

    displayThen(
        [](frm_MessageWindow& window) {
            EXPECT_EQ(window.lab_MainMessage->y(), window.lab_MsgTitle->y());
            window.close();
        },
        "", "&OK", 0);
}

TEST_F(MessageWindowTest, DefaultIndexWithoutAButton) {
    EXPECT_EQ(displayThen(
                  [](frm_MessageWindow& window) {
                      for (const QPushButton* button : window.com_Button)
                          EXPECT_FALSE(button->font().bold());
                      QTest::keyClick(&window, Qt::Key_Escape);
                  },
                  "Heading", "&Yes|&No", 5),
              5);
    // Button 1 exists but is hidden: it cannot take the focus.
    EXPECT_EQ(displayThen(
                  [](frm_MessageWindow& window) {
                      EXPECT_NE(window.focusWidget(), window.com_Button[1]);
                      window.close();
                  },
                  "Heading", "&OK", 1),
              1);
}

TEST_F(MessageWindowTest, AutoCloseTimerDismissesAndOtherTimersRun) {
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(5);
    MessageWindow().tim_WindowCloseTimer->start(100);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MessageDisplay("Closing.", "Pathwick is closing down.", "&Yes|&No", 1, 1335), 1);
    EXPECT_GE(clock.elapsed(), 50); // closed by the timer, not at once
    EXPECT_EQ(ButtonValue(), 1);
    EXPECT_GT(ticks, 2);
}
