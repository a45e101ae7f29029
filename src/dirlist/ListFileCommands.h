#pragma once

#include <QString>

class QWidget;

namespace pathwick {

// Writes (exportList) or reads a directory list file and reports any error itself. header:
// write the header lines; keep: an import adds to the stored list instead of replacing it.
// True when it went through.
bool DirListFile(const QString& path, bool exportList, bool header, bool keep,
                 QWidget* owner = nullptr);

// "&Export Pathwick file (Save list)": asks for a file and writes the stored list to it.
// Holding Alt when the file is chosen is passed on as keep.
void exportListInteractive(QWidget* owner);

// "&Import Pathwick file (Load list)": asks for a file, checks it and loads it; with Alt held
// the file's entries are added to the stored ones. True when the store changed.
bool importListInteractive(QWidget* owner);

} // namespace pathwick
