#pragma once

#include <QDialog>
#include <QList>

class QColor;
class QLabel;
class QPushButton;
class QTimer;

namespace pathwick {

// The program's own question and notice window. Callers may prepare the loaded window
// (caption, colours, the auto-close timer) through loadedMessageWindow() and then call
// MessageDisplay, which lays it out, shows it modally and unloads it when it closes.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* owner);

    QLabel* lab_MsgTitle = nullptr;
    QLabel* lab_MainMessage = nullptr;
    QList<QPushButton*> com_Button;
    // Idle (interval 0) until a caller sets an interval and starts it; closes as dismissed.
    QTimer* tim_WindowCloseTimer = nullptr;

    // Lays the window out for the texts and buttons, shows it modally and returns the index of
    // the clicked button, or defaultButton when it was closed another way.
    int display(const QString& message, const QString& heading, const QString& buttons,
                int defaultButton, int buttonWidth);
    int buttonValue() const { return buttonValue_; }
    // Fore colour of both labels and back colours of the two design buttons.
    void setColours(const QColor& labels, const QColor& firstButton, const QColor& secondButton);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addButton();
    void setLabelText(QLabel* label, const QString& text);

    int buttonValue_ = 0;
};

// The window that owns the message window and the plain notices (the main window).
void setMessageWindowOwner(QWidget* owner);
QWidget* messageWindowOwner();
// The loaded message window, loaded on first use since the last MessageDisplay.
MessageWindow& loadedMessageWindow();
// Shows the loaded message window (see MessageWindow::display) and unloads it.
int MessageDisplay(const QString& message, const QString& heading, const QString& buttons,
                   int defaultButton, int buttonWidth);
// The result of the last MessageDisplay.
int ButtonValue();

} // namespace pathwick
