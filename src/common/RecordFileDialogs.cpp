#include "common/RecordFileDialogs.h"

#include "common/CommonTexts.h"
#include "common/FileServices.h"
#include "common/MessageBoxes.h"
#include "common/ValueFormats.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace pathwick {

namespace {

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

// The program's own dialog (not the desktop's), so it behaves alike everywhere. Empty when
// cancelled.
QString chooseFile(QWidget* owner, const RecordFileKind& kind, bool saving) {
    QFileDialog dialog(owner, text(saving ? kind.exportTitle : kind.importTitle),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.setObjectName(QStringLiteral("recordFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The command asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(text(kind.filter)));
    // Only a new file gets the suffix; an existing file without one must stay choosable.
    if (saving) {
        dialog.setDefaultSuffix(text(kind.defaultSuffix));
        dialog.selectFile(
            text(kind.proposedName).arg(formatFileStamp(QDateTime::currentDateTime())));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QMessageBox::StandardButton askAboutFile(QWidget* owner, const QString& question,
                                         QMessageBox::StandardButtons buttons) {
    // Where "Yes" replaces data, Enter must answer "No".
    const QMessageBox::StandardButton safe =
        buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton;
    return showMessage(owner, QMessageBox::Warning, text(texts::RecordNotFoundTitle), question,
                       buttons, safe);
}

} // namespace

bool recordFileSizeIsDoubtful(qint64 bytes) {
    return bytes < 10 || bytes > 20000;
}

QString chooseExportFile(QWidget* owner, const RecordFileKind& kind) {
    for (;;) {
        const QString path = chooseFile(owner, kind, true);
        if (path.isEmpty() || !FileExists(path) ||
            askAboutFile(owner, text(texts::RecordOverwriteQuestion).arg(FileNameOfPath(path)),
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            return path;
    }
}

QString chooseImportFile(QWidget* owner, const RecordFileKind& kind) {
    for (;;) {
        const QString path = chooseFile(owner, kind, false);
        if (path.isEmpty())
            return {};
        if (!FileExists(path)) {
            const QString named = kind.missingFileShowsPath ? path : FileNameOfPath(path);
            if (askAboutFile(owner, text(texts::RecordCantFindFile).arg(named),
                             QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry)
                continue;
            return {};
        }
        const qint64 size = GetFileSize(path);
        if (!recordFileSizeIsDoubtful(size) ||
            askAboutFile(owner,
                         text(texts::RecordSizeQuestion)
                             .arg(FileNameOfPath(path), formatThousands(size)),
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            return path;
    }
}

} // namespace pathwick
