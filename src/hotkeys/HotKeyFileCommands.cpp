#include "hotkeys/HotKeyFileCommands.h"

#include "common/KeyboardState.h"
#include "common/MessageBoxes.h"
#include "common/RecordFileDialogs.h"
#include "common/ValueFormats.h"
#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyFileTexts.h"

#include <QDateTime>

namespace pathwick::hotkeys {

namespace {

using namespace file_texts;

constexpr int AltKey = 18;

constexpr RecordFileKind HotKeyFiles{ExportTitle, ImportTitle, Filter, DefaultSuffix,
                                     ProposedName, true};

} // namespace

bool HotKeysFile(const QString& path, bool exportKeys, bool header, bool keep, QWidget* owner) {
    const QDateTime now = QDateTime::currentDateTime();
    const RecordFileError error =
        exportKeys ? exportHotKeys(path, header, now) : importHotKeys(path, keep, now);
    if (!error.isError())
        return true;
    showMessage(owner, QMessageBox::Warning,
                QString::fromLatin1(exportKeys ? ExportErrorTitle : ImportErrorTitle),
                QString::fromLatin1(exportKeys ? ExportError : ImportError)
                    .arg(error.description, formatThousands(error.number)));
    return false;
}

void exportHotKeysInteractive(QWidget* owner) {
    const QString path = chooseExportFile(owner, HotKeyFiles);
    if (!path.isEmpty())
        HotKeysFile(path, true, true, KeyIsDown(AltKey), owner);
}

void importHotKeysInteractive(QWidget* owner) {
    const QString path = chooseImportFile(owner, HotKeyFiles);
    if (!path.isEmpty())
        HotKeysFile(path, false, true, KeyIsDown(AltKey), owner);
}

} // namespace pathwick::hotkeys
