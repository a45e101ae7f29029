#pragma once

#include <QString>

class QWidget;

namespace pathwick {

// What tells one kind of record file (directory list, hot keys) from another in its dialogs.
struct RecordFileKind {
    const char* exportTitle;
    const char* importTitle;
    const char* filter;        // "Name|pattern|Name|pattern"
    const char* defaultSuffix; // given to a new file's name without one
    const char* proposedName;  // "%1" becomes the moment, "yyyy-mm-dd_HH-MM-SS"
    // The missing-file question names the whole path instead of the file's name.
    bool missingFileShowsPath;
};

// Whether an import asks before it loads a file of this many bytes.
bool recordFileSizeIsDoubtful(qint64 bytes);

// The save dialog in the user's documents folder, again until a new file is chosen or the
// user agrees to replace the chosen one; "" when cancelled.
QString chooseExportFile(QWidget* owner, const RecordFileKind& kind);

// The open dialog, again until the chosen file exists and its size is plausible or accepted
// by the user; "" when cancelled.
QString chooseImportFile(QWidget* owner, const RecordFileKind& kind);

} // namespace pathwick
