#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace pathwick::test {

// Hands the next modal window to a handler from inside its own event loop, so tests can read
// and close modal windows without a person. Create it before the call that shows the window;
// it stops watching when it goes out of scope.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler) : handler_(std::move(handler)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            timer_.stop();
            ++seen_;
            handler_(modal);
        });
        timer_.start();
    }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // How many modal windows were handed over (0 or 1).
    int seen() const { return seen_; }

private:
    std::function<void(QWidget*)> handler_;
    QTimer timer_;
    int seen_ = 0;
};

// Answers the next standard message box with the given button and keeps what it showed.
// Any other modal window is closed so the test cannot hang.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : watcher_([this, answer](QWidget* modal) {
              auto* box = qobject_cast<QMessageBox*>(modal);
              if (!box) {
                  modal->close();
                  return;
              }
              shown = true;
              title = box->windowTitle();
              text = box->text();
              textFormat = box->textFormat();
              parent = box->parentWidget();
              icon = box->icon();
              defaultButton = box->standardButton(box->defaultButton());
              for (QAbstractButton* button : box->buttons())
                  buttons |= box->standardButton(button);
              if (QAbstractButton* button = box->button(answer))
                  button->click();
              else
                  box->close();
          }) {}

    bool shown = false;
    QString title;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

private:
    ModalWatcher watcher_;
};

} // namespace pathwick::test
