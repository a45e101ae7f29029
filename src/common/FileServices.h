#pragma once

#include <QString>

namespace pathwick {

bool FileExists(const QString& path);          // a file (not a folder) that can be opened
qint64 GetFileSize(const QString& filePath);   // -1 when the length cannot be had
QString FileNameOfPath(const QString& path);   // the text after the last "\" (or "/" on Linux)

} // namespace pathwick
