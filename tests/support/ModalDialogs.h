#pragma once

#include "common/MessageWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace pathwick::test {

// What a modal window showed when it was answered.
struct SeenModal {
    QString title;
    QString text; // message box text, or the message window's message
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool closeActive = false;
    QString directory;
    QString proposedName;
};

// Answers the modal windows a test provokes, in order, while it lives; one nobody expected
// is recorded and cancelled, so a test never hangs. Create it before the call that shows one.
class ModalAnswers {
public:
    ModalAnswers() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { answerModal(); });
        poll_.start();
    }

    // Presses a standard button of the next message box, clicks a button of the next message
    // window by its index, chooses a file in the next file dialog, cancels the next window
    // (Escape), or hands it to a handler, which must close it.
    ModalAnswers& press(QMessageBox::StandardButton button) {
        return then([&](Answer& a) { a.button = button; });
    }
    ModalAnswers& click(int button) {
        return then([&](Answer& a) { a.index = button; });
    }
    ModalAnswers& choose(const QString& path) {
        return then([&](Answer& a) { a.file = path; });
    }
    ModalAnswers& cancel() {
        return then([](Answer&) {});
    }
    ModalAnswers& handle(std::function<void(QWidget*)> handler) {
        return then([&](Answer& a) { a.handler = std::move(handler); });
    }

    const QList<SeenModal>& seen() const { return seen_; }
    // The one window seen (an empty record when there was none).
    SeenModal only() const { return seen_.size() == 1 ? seen_.first() : SeenModal(); }
    int unexpected() const { return unexpected_; }

private:
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        int index = -1;
        QString file;
        std::function<void(QWidget*)> handler;
    };
    template <typename Fill> ModalAnswers& then(Fill fill) {
        fill(answers_.emplace_back());
        return *this;
    }

    // A window still open after its answer gets it again on the next tick; after a second of
    // that it is cancelled, so a test fails instead of hanging.
    void answerModal() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible())
            return;
        if (w != current_) {
            current_ = w;
            tries_ = 0;
            seen_.append(describe(w));
            unexpected_ += answers_.isEmpty();
            answer_ = answers_.isEmpty() ? Answer() : answers_.takeFirst();
            if (answer_.handler) {
                answer_.handler(w);
                return;
            }
        }
        if (++tries_ > 200) {
            ++unexpected_;
            answer_ = Answer();
        }
        auto* box = qobject_cast<QMessageBox*>(w);
        auto* window = qobject_cast<MessageWindow*>(w);
        auto* fileDialog = qobject_cast<QFileDialog*>(w);
        if (box && box->button(answer_.button)) {
            box->button(answer_.button)->click();
        } else if (window && answer_.index >= 0 && answer_.index < window->com_Button.size()) {
            window->com_Button.at(answer_.index)->click();
        } else if (fileDialog && !answer_.file.isEmpty()) {
            // selectFile leaves the name box alone while it has the focus.
            fileDialog->selectFile(answer_.file);
            if (auto* edit = fileDialog->findChild<QLineEdit*>("fileNameEdit"))
                edit->setText(answer_.file);
            // Through QDialog: the file dialog's own override is not public.
            static_cast<QDialog*>(fileDialog)->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
        } else {
            w->close();
        }
    }

    static SeenModal describe(QWidget* w) {
        SeenModal seen;
        seen.title = w->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            seen.text = box->text();
            seen.textFormat = box->textFormat();
            if (box->defaultButton() != nullptr)
                seen.defaultButton = box->standardButton(box->defaultButton());
        }
        if (auto* window = qobject_cast<MessageWindow*>(w)) {
            seen.text = window->lab_MainMessage->text();
            seen.closeActive = window->tim_WindowCloseTimer->isActive();
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            seen.directory = dialog->directory().absolutePath();
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                seen.proposedName = edit->text();
        }
        return seen;
    }

    QTimer poll_;
    QPointer<QWidget> current_;
    Answer answer_;
    int tries_ = 0;
    QList<Answer> answers_;
    QList<SeenModal> seen_;
    int unexpected_ = 0;
};

} // namespace pathwick::test
