#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pathwick {

// What went wrong while a list file was written or read; number 0 means nothing did.
struct ListFileError {
    int number = 0;
    QString description;
    bool isError() const { return number != 0; }
};

// Longest line an import takes (the longest value name the Windows registry allows).
inline constexpr int MaxListLineLength = 16383;
// Largest file an import reads.
inline constexpr qint64 MaxListFileBytes = 64 * 1024 * 1024;

// Keeps ASCII letters and digits; every other character becomes replacement.
QString SafeValueName(const QString& text, const QString& replacement);

// The six header lines; secondLine follows the marker on line 2 (" Directories listed").
QStringList listFileHeader(const QString& secondLine, const QString& filePath,
                           const QDateTime& now);

// The lines an export writes: the header when asked for, then each entry trimmed; blank
// entries are left out.
QStringList directoryListFileLines(const QStringList& entries, bool header, const QString& filePath,
                                   const QDateTime& now);

// "Saved with; Pathwick, version ..., <build date> (Imported from <path> (<now>))".
QString importStamp(const QString& filePath, const QDateTime& now);

// Whether the import asks before it loads a file of this many bytes.
bool listFileSizeIsDoubtful(qint64 bytes);

// Writes the stored list to filePath. The file is replaced only when it was written whole.
ListFileError exportDirectoryList(const QString& filePath, bool header, const QDateTime& now);

// The file's lines trimmed, blank ones left out; a file that cannot be a list file (control
// characters, over-long lines, too large) is refused whole.
ListFileError readListFileLines(const QString& filePath, QStringList& lines);

// Loads filePath into the store in one transaction: unless keep, the stored list goes first.
// Header lines become number values, other lines entries. A file without any line is refused.
// On any error the store is as it was before the call.
ListFileError importDirectoryList(const QString& filePath, bool keep, const QDateTime& now);

} // namespace pathwick
