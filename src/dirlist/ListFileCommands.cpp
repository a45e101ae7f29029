#include "dirlist/ListFileCommands.h"

#include "common/FileServices.h"
#include "common/KeyboardState.h"
#include "common/MessageBoxes.h"
#include "common/ValueFormats.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/ListFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace pathwick {

namespace {

using namespace dirlist_texts;

constexpr int AltKey = 18;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

// "Name|pattern|Name|pattern" as the dialog's name filters "Name (pattern)".
QStringList nameFilters(const QString& pairs) {
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts.at(i) + QStringLiteral(" (") + parts.at(i + 1) + QStringLiteral(")"));
    return filters;
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// The program's own dialog (not the desktop's), so it behaves alike everywhere. Empty when
// cancelled.
QString chooseFile(QWidget* owner, const char* title, QFileDialog::AcceptMode mode,
                   const QString& proposedName) {
    QFileDialog dialog(owner, text(title), documentsFolder());
    dialog.setObjectName(QStringLiteral("listFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The command asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(text(Filter)));
    // Only a new file gets the suffix; an existing file without one must stay choosable.
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(text(DefaultSuffix));
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QMessageBox::StandardButton askAboutFile(QWidget* owner, const QString& question,
                                         QMessageBox::StandardButtons buttons) {
    // Where "Yes" replaces data, Enter must answer "No".
    const QMessageBox::StandardButton safe =
        buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton;
    return showMessage(owner, QMessageBox::Warning, text(NotFoundTitle), question, buttons, safe);
}

} // namespace

bool DirListFile(const QString& path, bool exportList, bool header, bool keep, QWidget* owner) {
    const QDateTime now = QDateTime::currentDateTime();
    const RecordFileError error =
        exportList ? exportDirectoryList(path, header, now) : importDirectoryList(path, keep, now);
    if (!error.isError())
        return true;
    showMessage(owner, QMessageBox::Warning, text(FileErrorTitle),
                text(exportList ? ExportError : ImportError)
                    .arg(error.description, formatThousands(error.number)));
    return false;
}

void exportListInteractive(QWidget* owner) {
    for (;;) {
        const QString path =
            chooseFile(owner, ExportTitle, QFileDialog::AcceptSave,
                       text(ProposedName).arg(formatFileStamp(QDateTime::currentDateTime())));
        if (path.isEmpty())
            return;
        if (FileExists(path) &&
            askAboutFile(owner, text(OverwriteQuestion).arg(FileNameOfPath(path)),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            continue;
        DirListFile(path, true, true, KeyIsDown(AltKey), owner);
        return;
    }
}

bool importListInteractive(QWidget* owner) {
    for (;;) {
        const QString path = chooseFile(owner, ImportTitle, QFileDialog::AcceptOpen, QString());
        if (path.isEmpty())
            return false;
        if (!FileExists(path)) {
            if (askAboutFile(owner, text(CantFindFile).arg(FileNameOfPath(path)),
                             QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry)
                continue;
            return false;
        }
        const qint64 size = GetFileSize(path);
        if (listFileSizeIsDoubtful(size) &&
            askAboutFile(owner, text(SizeQuestion).arg(FileNameOfPath(path), formatThousands(size)),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            continue;
        return DirListFile(path, false, false, KeyIsDown(AltKey), owner);
    }
}

} // namespace pathwick
