#pragma once

#include <QString>

namespace pathwick {

// A regular file (not a folder) that can be opened for reading. Wildcards are not expanded;
// long paths are fine.
bool FileExists(const QString& path);
// The file's length in bytes; -1 when it cannot be had (missing, a folder, no access).
qint64 GetFileSize(const QString& filePath);
// The attribute word of a path (directory 16, read-only 1, hidden 2, system 4, archive 32);
// -1 when it cannot be had, -2 for a blank path.
int attributeWord(const QString& path);
// The text after the last "\" or "/"; the whole text when there is none.
QString FileNameOfPath(const QString& path);

} // namespace pathwick
