#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

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
    bool saving = false;
    QStringList nameFilters;
    QString directory;
    QString proposedName;
};

// Answers the modal windows a test provokes, in order, while it lives. A modal window nobody
// expected is recorded and cancelled, so a test never hangs.
class ModalAnswers {
public:
    ModalAnswers() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { answerModal(); });
        poll_.start();
    }

    // Presses a standard button of the next message box.
    ModalAnswers& press(QMessageBox::StandardButton button) { return then({button, {}}); }
    // Chooses a file in the next file dialog.
    ModalAnswers& choose(const QString& path) { return then({QMessageBox::NoButton, path}); }
    // Cancels the next modal window.
    ModalAnswers& cancel() { return then({}); }

    const QList<SeenModal>& seen() const { return seen_; }
    int unexpected() const { return unexpected_; }

private:
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString file;
    };
    ModalAnswers& then(const Answer& answer) {
        answers_.append(answer);
        return *this;
    }

    // A window that is still open after its answer gets it again on the next tick; after a
    // second of that it is cancelled, so a test fails instead of hanging.
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
        }
        auto* box = qobject_cast<QMessageBox*>(w);
        auto* fileDialog = qobject_cast<QFileDialog*>(w);
        if (++tries_ > 200) {
            ++unexpected_;
            answer_ = Answer();
        }
        if (box && box->button(answer_.button)) {
            box->button(answer_.button)->click();
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
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            if (box->defaultButton() != nullptr)
                seen.defaultButton = box->standardButton(box->defaultButton());
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            seen.isFileDialog = true;
            seen.saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            seen.nameFilters = dialog->nameFilters();
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
