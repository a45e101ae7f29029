#include "help/HelpPathWindow.h"

#include "common/WindowControls.h"
#include "common/FileServices.h"
#include "common/KeyboardState.h"
#include "common/MessageBoxes.h"
#include "common/Version.h"
#include "help/HelpDrop.h"
#include "help/HelpTexts.h"
#include "settings/ProgramSettings.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pathwick {

namespace {

constexpr int ShiftKey = 16;
constexpr int MinimumPathCharacters = 60;

QString defaultHelpPath() {
    return ProgramFolder() + u'/' + QLatin1String(help_texts::DefaultHelpPathFile);
}

bool isCloseKey(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_Pause;
}

} // namespace

HelpPathWindow::HelpPathWindow(QWidget* owner) : QDialog(owner) {
    using namespace help_texts;
    setObjectName(QStringLiteral("frm_HelpPathWindow"));
    setWindowTitle(QString::fromLatin1(HelpPathCaption));

    txt_HelpPath = new QLineEdit(this);
    txt_HelpPath->setObjectName(QStringLiteral("txt_HelpPath"));
    txt_HelpPath->setMinimumWidth(MinimumPathCharacters *
                                  txt_HelpPath->fontMetrics().averageCharWidth());
    // Drops are judged here; the text box alone would insert the dropped file's address.
    txt_HelpPath->installEventFilter(this);
    txt_HelpPath->setAcceptDrops(true);
    for (const char* caption : {LoadIfNotFound, LoadBeforeDefault}) {
        auto* option = new QRadioButton(QString::fromLatin1(caption), this);
        option->setObjectName(QStringLiteral("opt_LoadFirst"));
        opt_LoadFirst.append(option);
    }
    com_Update = makeButton(this, "com_Update", QString::fromLatin1(UpdatePath));
    com_Reset = makeButton(this, "com_Reset", QString::fromLatin1(ResetPath));
    com_Cancel = makeButton(this, "com_Cancel", QString::fromLatin1(Cancel));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(com_Update);
    buttons->addWidget(com_Reset);
    buttons->addWidget(com_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txt_HelpPath);
    layout->addWidget(opt_LoadFirst.at(0));
    layout->addWidget(opt_LoadFirst.at(1));
    layout->addLayout(buttons);

    connect(com_Update, &QPushButton::clicked, this, &HelpPathWindow::com_Update_Click);
    connect(com_Reset, &QPushButton::clicked, this, &HelpPathWindow::com_Reset_Click);
    connect(com_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txt_HelpPath, &QLineEdit::textChanged, this, &HelpPathWindow::txt_HelpPath_Change);

    // The entry that opens this window is shown while Shift is held, so Shift is often still
    // down here: only "&Reset path" takes it for a wish to see the defaults.
    showSettings(false);
    adjustSize();
}

void HelpPathWindow::com_Reset_Click() {
    showSettings(KeyIsDown(ShiftKey));
}

void HelpPathWindow::showSettings(bool defaults) {
    bool first = read(catalogue::HelpFilePriority);
    QString path = readText(keyPathOf(catalogue::HelpPath), catalogue::HelpPath.name,
                            defaultHelpPath());
    if (defaults) {
        first = true;
        path = defaultHelpPath();
    }
    opt_LoadFirst.at(first ? 1 : 0)->setChecked(true);
    txt_HelpPath->setText(path);
    txt_HelpPath_Change();
}

void HelpPathWindow::txt_HelpPath_Change() {
    const bool hasPath = !txt_HelpPath->text().trimmed().isEmpty();
    for (QRadioButton* option : opt_LoadFirst)
        option->setEnabled(hasPath);
}

void HelpPathWindow::com_Update_Click() {
    write(catalogue::HelpFilePriority, opt_LoadFirst.at(1)->isChecked());
    write(catalogue::HelpPath, txt_HelpPath->text().trimmed());
    accept();
}

void HelpPathWindow::txt_HelpPath_OLEDragDrop(const QStringList& paths) {
    const HelpDropVerdict verdict =
        checkHelpDrop(paths, paths.isEmpty() ? -1 : attributeWord(paths.first()));
    if (!verdict.accepted) {
        showMessage(this, QMessageBox::Warning, help_texts::DropErrorTitle, verdict.refusal);
        return;
    }
    txt_HelpPath->setText(verdict.path);
}

void HelpPathWindow::keyPressEvent(QKeyEvent* event) {
    if (isCloseKey(event->key())) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool HelpPathWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txt_HelpPath)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!droppedLocalPaths(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = droppedLocalPaths(drop->mimeData());
        if (!paths.isEmpty()) {
            drop->acceptProposedAction();
            txt_HelpPath_OLEDragDrop(paths);
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace pathwick
