#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace pathwick::test {

// What a modal window showed when it was answered.
struct SeenModal {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // File dialogs.
    bool isFileDialog = false;
    QStringList nameFilters;
    QString defaultSuffix;
    QString directory;
    QString proposedName;
    bool saving = false;
};

// Answers the modal windows a test provokes, in order, while it lives. Each answer gets the
// modal window and closes it; a modal window nobody expected is recorded and closed with
// Escape, so a test never hangs.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { answerModal(); });
        poll_.start();
    }

    ModalAnswers& then(Answer answer) {
        answers_.push_back(std::move(answer));
        return *this;
    }
    // Presses a standard button of the next message box.
    ModalAnswers& press(QMessageBox::StandardButton button) {
        return then([button](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->button(button))
                box->button(button)->click();
            else
                w->close();
        });
    }
    // Chooses a file in the next file dialog.
    ModalAnswers& choose(const QString& path) {
        return then([path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (dialog == nullptr) {
                w->close();
                return;
            }
            dialog->selectFile(path);
            // Through QDialog: the file dialog's own override is not public.
            static_cast<QDialog*>(dialog)->accept();
        });
    }
    // Cancels the next dialog.
    ModalAnswers& cancel() {
        return then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    }

    const QList<SeenModal>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }
    bool allAnswered() const { return answers_.empty(); }

private:
    void answerModal() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible() || w->property("answered").toBool())
            return;
        w->setProperty("answered", true);
        seen_.append(describe(w));
        if (answers_.empty()) {
            ++unexpected_;
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else
                w->close();
            return;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(w);
    }

    static SeenModal describe(QWidget* w) {
        SeenModal seen;
        seen.title = w->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            if (box->defaultButton() != nullptr)
                seen.defaultButton = box->standardButton(box->defaultButton());
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            seen.isFileDialog = true;
            seen.nameFilters = dialog->nameFilters();
            seen.defaultSuffix = dialog->defaultSuffix();
            seen.directory = dialog->directory().absolutePath();
            seen.saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                seen.proposedName = edit->text();
        }
        return seen;
    }

    QTimer poll_;
    std::deque<Answer> answers_;
    QList<SeenModal> seen_;
    int unexpected_ = 0;
};

} // namespace pathwick::test
