#pragma once

#include <QString>

class QWidget;

namespace pathwick::hotkeys {

// Writes (exportKeys) or reads a hot key file and reports any error itself. header: write the
// header lines; keep: an import adds to the table instead of replacing it. True when it went
// through.
bool HotKeysFile(const QString& path, bool exportKeys, bool header, bool keep,
                 QWidget* owner = nullptr);

// "Expory Hot Keys (&Save keys)" and "Import Hot Keys (&Load keys)": ask for a file and write
// or load the table; Alt held when the file is chosen keeps the table's entries on import.
void exportHotKeysInteractive(QWidget* owner);
void importHotKeysInteractive(QWidget* owner);

} // namespace pathwick::hotkeys
