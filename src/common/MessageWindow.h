#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTimer;

namespace pathwick {

// The program's own question and notice window. Callers may prepare the loaded window
// (caption, colours, the auto-close timer) through MessageWindow() and then call
// MessageDisplay, which lays it out, shows it modally and unloads it when it closes.
class frm_MessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit frm_MessageWindow(QWidget* owner);

    QLabel* lab_MsgTitle = nullptr;
    QLabel* lab_MainMessage = nullptr;
    QList<QPushButton*> com_Button;
    QTimer* tim_WindowCloseTimer = nullptr;

    int show(const QString& message, const QString& heading, const QString& buttons,
             int defaultButton, int buttonWidth);
    int result() const { return result_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int result_ = 0;
};

// The window that owns the message window (the main window; null before it exists).
void setMessageWindowOwner(QWidget* owner);
// The loaded message window, loaded on first use since the last MessageDisplay.
frm_MessageWindow& MessageWindow();
int MessageDisplay(const QString& message, const QString& heading, const QString& buttons,
                   int defaultButton, int buttonWidth);
int ButtonValue();

} // namespace pathwick
