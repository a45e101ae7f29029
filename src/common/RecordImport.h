#pragma once

#include "common/RecordFile.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace pathwick {

// What an import keeps of a header line: a number value of -1 named after the line's
// letters and digits, every other character the marker.
SettingValue headerRecordValue(const QString& headerLine);

// "Saved with; Pathwick, version ..., <build date> (Imported from <path> (<now>))".
QString recordImportStamp(const QString& filePath, const QDateTime& now);

// Reads filePath and rewrites the program's key at keyPath in one go: unless keep, its text
// values are removed first; the import stamp goes to the unnamed value, then the values that
// valuesOf makes of the file's lines (trimmed, blank ones left out). A file without any line
// is refused, as it would replace the stored values with nothing, and so is a file with a
// line for which lineRefusal (when given) says why; on any error the store is as it was.
RecordFileError
importRecordFile(const QString& filePath, const QString& keyPath, bool keep, const QDateTime& now,
                 const std::function<QList<SettingValue>(const QStringList& lines)>& valuesOf,
                 const std::function<QString(const QString& line)>& lineRefusal = {});

} // namespace pathwick
