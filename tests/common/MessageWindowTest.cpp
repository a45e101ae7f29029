#include "common/MessageWindow.h"
#include "common/Twips.h"
#include "support/ModalDialogs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

QList<QPushButton*> shownButtons(const MessageWindow& window) {
    QList<QPushButton*> shown;
    for (QPushButton* button : window.com_Button) {
        if (button->isVisibleTo(&window))
            shown.append(button);
    }
    return shown;
}

// Shows the message window and runs act on it once it is up; act must close it.
int displayThen(const std::function<void(MessageWindow&)>& act, const QString& buttons,
                int defaultButton, int buttonWidth = 1335, const QString& message = "Message") {
    test::ModalAnswers answers;
    answers.handle([&](QWidget* modal) { act(*qobject_cast<MessageWindow*>(modal)); });
    const int result = MessageDisplay(message, "Heading", buttons, defaultButton, buttonWidth);
    EXPECT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(ButtonValue(), result);
    return result;
}

} // namespace

TEST(MessageWindow, CaptionsKeysAndTheDefaultButton) {
    // What closes the window: a click on a button, a key on a button or the window (-1), or a
    // plain close.
    constexpr int Click = 0, Close = -1;
    const struct {
        const char* buttons;
        int defaultButton, key, on, result;
        QStringList captions;
    } cases[] = {
        {"&Yes|&Run anyway", 0, Click, 1, 1, {"&Yes", "&Run anyway"}},
        // Escape, Pause and closing keep the default, also when a key is pressed on a button.
        {"&Yes|&Run anyway", 0, Qt::Key_Escape, 1, 0, {"&Yes", "&Run anyway"}},
        {"&Close|Do &NOT close", 1, Qt::Key_Pause, 0, 1, {"&Close", "Do &NOT close"}},
        // A default without a button is still the answer.
        {"&Yes|&No", 5, Close, -1, 5, {"&Yes", "&No"}},
        // Empty captions are numbered; a trailing "|" adds no button; only an empty list keeps
        // the design "&Ok", a list of blanks is one empty caption.
        {"", 0, Close, 0, 0, {"&Ok"}},
        {"   ", 0, Close, 0, 0, {"Button &1"}},
        {"  &One |  | &Three | ", 0, Close, 0, 0, {"&One", "Button &2", "&Three"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.buttons) + " / " + std::to_string(c.key));
        const auto act = [&](MessageWindow& window) {
            const QList<QPushButton*> shown = shownButtons(window);
            QStringList captions;
            for (int i = 0; i < shown.size(); ++i) {
                captions.append(shown[i]->text());
                EXPECT_TRUE(!*c.buttons || shown[i]->font().bold() == (i == c.defaultButton)) << i;
                EXPECT_LE(shown[i]->geometry().right(), window.width()) << i; // none cut off
            }
            EXPECT_EQ(captions, c.captions);
            // The default button has the focus, so Enter answers with it.
            if (c.defaultButton < shown.size()) {
                EXPECT_EQ(window.focusWidget(), shown[c.defaultButton]);
            }
            if (c.key == Click)
                window.com_Button[c.on]->click();
            else if (c.key == Close)
                window.close();
            else
                QTest::keyClick(window.com_Button[c.on], Qt::Key(c.key));
        };
        EXPECT_EQ(displayThen(act, c.buttons, c.defaultButton), c.result);
    }
}

// Button widths are clamped to 1000-5000 twips. Lines break at CR LF only and texts are never
// taken for markup.
TEST(MessageWindow, ButtonWidthIsClampedAndTextsArePlain) {
    const QString longLine = QString("wide ").repeated(30).trimmed();
    for (const auto& [asked, used] : {std::pair{300, 1000}, {9000, 5000}}) {
        displayThen(
            [&, used = used](MessageWindow& window) {
                const QList<QPushButton*> shown = shownButtons(window);
                ASSERT_EQ(shown.size(), 4);
                for (QPushButton* button : shown)
                    EXPECT_EQ(button->width(), twipsToPixels(used, &window));
                const QLabel* text = window.lab_MainMessage;
                EXPECT_EQ(text->textFormat(), Qt::PlainText);
                const QFontMetrics metrics(text->font());
                EXPECT_GE(text->width(), metrics.horizontalAdvance(longLine));
                EXPECT_LT(text->height(), 4 * metrics.height());
                shown[3]->click();
            },
            "&A|&B|&C|&D", 0, asked, "<b>x</b>\r\n" + longLine + "\r\nlast");
    }
}
