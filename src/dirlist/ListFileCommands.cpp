#include "dirlist/ListFileCommands.h"

#include "common/KeyboardState.h"
#include "common/MessageBoxes.h"
#include "common/RecordFileDialogs.h"
#include "common/ValueFormats.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/ListFile.h"

#include <QDateTime>

namespace pathwick {

namespace {

using namespace dirlist_texts;

constexpr int AltKey = 18;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

constexpr RecordFileKind ListFiles{ExportTitle, ImportTitle, Filter, DefaultSuffix, ProposedName,
                                  false};

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
    const QString path = chooseExportFile(owner, ListFiles);
    if (!path.isEmpty())
        DirListFile(path, true, true, KeyIsDown(AltKey), owner);
}

bool importListInteractive(QWidget* owner) {
    const QString path = chooseImportFile(owner, ListFiles);
    return !path.isEmpty() && DirListFile(path, false, false, KeyIsDown(AltKey), owner);
}

} // namespace pathwick
