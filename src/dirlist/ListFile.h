#pragma once

#include "common/RecordFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pathwick {

// The lines an export writes: the header when asked for, then each entry trimmed; blank
// entries are left out.
QStringList directoryListFileLines(const QStringList& entries, bool header, const QString& filePath,
                                   const QDateTime& now);

// Writes the stored list to filePath. The file is replaced only when it was written whole;
// an entry the import could not read back is refused.
RecordFileError exportDirectoryList(const QString& filePath, bool header, const QDateTime& now);

// Loads filePath into the store in one rewrite: unless keep, the stored list goes first.
// Header lines become number values, other lines entries; a header value that would take an
// entry's name is left out. A file without any line, or with an entry named like one of the
// program's own values, is refused.
// On any error the store is as it was before the call.
RecordFileError importDirectoryList(const QString& filePath, bool keep, const QDateTime& now);

} // namespace pathwick
