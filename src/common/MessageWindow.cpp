#include "common/MessageWindow.h"

#include "common/CommonTexts.h"
#include "common/MessageLayout.h"
#include "common/Twips.h"
#include "settings/Catalogue.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace pathwick {

namespace {

// Design values in twips.
constexpr int TitleLeft = 60;
constexpr int TitleTop = 60;
constexpr int MessageLeft = 60;
constexpr int MessageTop = 300;
constexpr int ButtonLeft = 120;
constexpr int SecondButtonLeft = 1560;
constexpr int ButtonTop = 2400;
constexpr int ButtonWidth = 1335;
constexpr int ButtonHeight = 375;
constexpr int DesignWidth = 3000;
constexpr int DesignHeight = 2900;
constexpr double TitlePointSize = 9.75;

QPointer<QWidget>& owner() {
    static QPointer<QWidget> instance;
    return instance;
}

QPointer<MessageWindow>& loaded() {
    static QPointer<MessageWindow> instance;
    return instance;
}

int& lastButtonValue() {
    static int value = 0;
    return value;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

MessageWindow::MessageWindow(QWidget* ownerWidget) : QDialog(ownerWidget) {
    setObjectName(QStringLiteral("frm_MessageWindow"));
    setWindowTitle(texts::MessageCaptionStart + QString(ProductName) + texts::MessageCaptionEnd);
    if (ownerWidget)
        setWindowIcon(ownerWidget->windowIcon());
    resize(twipsToPixels(DesignWidth, this), twipsToPixels(DesignHeight, this));

    lab_MsgTitle = new QLabel(this);
    QFont titleFont = lab_MsgTitle->font();
    titleFont.setPointSizeF(TitlePointSize);
    titleFont.setBold(true);
    lab_MsgTitle->setFont(titleFont);
    lab_MsgTitle->move(twipsToPixels(TitleLeft, this), twipsToPixels(TitleTop, this));
    setLabelText(lab_MsgTitle, texts::MessageDesignHeading);

    lab_MainMessage = new QLabel(this);
    lab_MainMessage->move(twipsToPixels(MessageLeft, this), twipsToPixels(MessageTop, this));
    setLabelText(lab_MainMessage, texts::MessageDesignText);

    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(this);
        button->setGeometry(twipsToPixels(i == 0 ? ButtonLeft : SecondButtonLeft, this),
                            twipsToPixels(ButtonTop, this), twipsToPixels(ButtonWidth, this),
                            twipsToPixels(ButtonHeight, this));
        connect(button, &QPushButton::clicked, this, [this, i] {
            buttonValue_ = i;
            close();
        });
        com_Button.append(button);
    }
    com_Button[0]->setText(texts::MessageDesignOk);
    com_Button[1]->setText(texts::MessageDesignAbort);
    com_Button[1]->setVisible(false);
    com_Button[1]->setEnabled(false);

    tim_WindowCloseTimer = new QTimer(this);
    tim_WindowCloseTimer->setInterval(0);
    connect(tim_WindowCloseTimer, &QTimer::timeout, this, [this] {
        if (tim_WindowCloseTimer->interval() > 0)
            close();
    });
}

void MessageWindow::setLabelText(QLabel* label, const QString& text) {
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->adjustSize();
}

void MessageWindow::addButton() {
    const int index = int(com_Button.size());
    const QPushButton* before = com_Button.last();
    auto* button = new QPushButton(texts::MessageNewButton, this);
    button->setFont(before->font());
    button->setGeometry(before->x() + before->width() + com_Button[0]->x(), before->y(),
                        before->width(), before->height());
    button->setVisible(false);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, [this, index] {
        buttonValue_ = index;
        close();
    });
    com_Button.append(button);
}

int MessageWindow::display(const QString& message, const QString& heading, const QString& buttons,
                           int defaultButton, int buttonWidth) {
    buttonValue_ = defaultButton;
    setLabelText(lab_MsgTitle, heading);
    setLabelText(lab_MainMessage, message);

    lab_MainMessage->move(lab_MainMessage->x(), heading.isEmpty()
                                                    ? lab_MsgTitle->y()
                                                    : lab_MsgTitle->y() + lab_MsgTitle->height());

    const QLabel* wider =
        lab_MainMessage->width() > lab_MsgTitle->width() ? lab_MainMessage : lab_MsgTitle;
    const int width = wider->width() + 2 * wider->x();

    const int w = twipsToPixels(clampButtonWidth(buttonWidth), this);
    QPushButton* first = com_Button[0];
    first->resize(w, first->height());
    com_Button[1]->resize(w, com_Button[1]->height());
    com_Button[1]->move(first->x() + w + first->x(), com_Button[1]->y());

    const int buttonTop = lab_MainMessage->y() + lab_MainMessage->height() + lab_MsgTitle->y();
    for (QPushButton* button : std::as_const(com_Button))
        button->move(button->x(), buttonTop);

    const int height = first->y() + first->height() + lab_MsgTitle->y();

    const QStringList captions = messageButtonCaptions(buttons);
    for (int n = 0; n < captions.size(); ++n) {
        if (n >= com_Button.size() - 1)
            addButton();
        QPushButton* button = com_Button[n];
        button->setText(captions[n]);
        button->setVisible(true);
        button->setEnabled(true);
        setBold(button, n == defaultButton);
    }
    // A short text must not cut off the buttons: the row of buttons is the least width.
    int buttonsWidth = 0;
    for (const QPushButton* button : std::as_const(com_Button)) {
        if (button->isVisibleTo(this))
            buttonsWidth = qMax(buttonsWidth, button->x() + button->width() + first->x());
    }
    setFixedSize(qMax(width, buttonsWidth), height);

    if (defaultButton >= 0 && defaultButton < com_Button.size()) {
        QPushButton* focus = com_Button[defaultButton];
        if (focus->isVisibleTo(this) && focus->isEnabled())
            focus->setFocus();
    }

    // An enabled timer without an interval never fires.
    if (tim_WindowCloseTimer->interval() <= 0)
        tim_WindowCloseTimer->stop();

    const QPointer<MessageWindow> self(this);
    exec();
    return self ? buttonValue_ : defaultButton;
}

void MessageWindow::setColours(const QColor& labels, const QColor& firstButton,
                               const QColor& secondButton) {
    setColour(lab_MsgTitle, QPalette::WindowText, labels);
    setColour(lab_MainMessage, QPalette::WindowText, labels);
    setColour(com_Button.at(0), QPalette::Button, firstButton);
    setColour(com_Button.at(1), QPalette::Button, secondButton);
}

void MessageWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Pause) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void setMessageWindowOwner(QWidget* ownerWidget) {
    owner() = ownerWidget;
}

QWidget* messageWindowOwner() {
    return owner();
}

MessageWindow& loadedMessageWindow() {
    if (!loaded())
        loaded() = new MessageWindow(owner());
    return *loaded();
}

int MessageDisplay(const QString& message, const QString& heading, const QString& buttons,
                   int defaultButton, int buttonWidth) {
    QPointer<MessageWindow> window = &loadedMessageWindow();
    lastButtonValue() = window->display(message, heading, buttons, defaultButton, buttonWidth);
    // Unload, so the next call starts from the design state.
    delete window.data();
    loaded() = nullptr;
    return lastButtonValue();
}

int ButtonValue() {
    return lastButtonValue();
}

} // namespace pathwick
