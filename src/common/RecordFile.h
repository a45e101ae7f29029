#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Record files: the line-per-record text files the directory list and the hot key table are
// exported to and imported from. Every line ends in CR LF. Lines that begin with the marker
// character U+00B9 are header records; the rest are entries. A file is written in
// Windows-1252 when every character has a byte there and the bytes read back as the same
// text, otherwise in UTF-8 with a byte-order mark, so no path is lost.
namespace pathwick {

inline constexpr char16_t RecordMarker = 0x00B9;
// Longest line an import takes (the longest value name a registry allows).
inline constexpr int MaxRecordLineLength = 16383;
// Largest file an import reads.
inline constexpr qint64 MaxRecordFileBytes = 64 * 1024 * 1024;

QString recordMarker();

// What went wrong while a record file was written or read; number 0 means nothing did.
struct RecordFileError {
    int number = 0;
    QString description;
    bool isError() const { return number != 0; }
};

// Error numbers as the file commands report them.
namespace RecordErrorNumber {
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int FileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFormat = 321;
} // namespace RecordErrorNumber

// Keeps ASCII letters and digits; every other character becomes replacement.
QString SafeValueName(const QString& text, const QString& replacement);

// The six header lines; secondLine follows the marker on line 2 (" Directories listed").
QStringList recordFileHeader(const QString& secondLine, const QString& filePath,
                             const QDateTime& now);

// Why entry cannot be written to a record file and read back (a line break or another control
// character, a lone surrogate, more than MaxRecordLineLength characters); "" when it can.
// Such entries are refused where they are added.
QString entryRefusal(const QString& entry);

// An entry as its line: an entry that itself begins with the marker gets a second marker, so
// that it is not read back as a header.
QString entryRecordLine(const QString& entry);
// A trimmed line as read: a header (text is the whole line) or an entry (text without the
// doubled marker).
struct RecordLine {
    bool header = false;
    QString text;
};
RecordLine readRecordLine(const QString& line);

// Writes lines (header and entry lines as made above) to filePath; the file is replaced only
// when it was written whole. A line that the reader would refuse (control character, broken
// character, over-long) is refused before anything is written.
RecordFileError writeRecordFile(const QString& filePath, const QStringList& lines);

// The file's lines trimmed, blank ones left out; a file that cannot be a record file (control
// characters, broken characters, over-long lines, too large) is refused whole, naming the line.
RecordFileError readRecordFile(const QString& filePath, QStringList& lines);

// The encoding layer underneath, for tests and fuzzing.
QByteArray encodeRecordFile(const QStringList& lines);
// A byte-order mark (UTF-8, UTF-16) or valid UTF-8 decides the encoding; anything else is
// read as Windows-1252.
QString decodeRecordFile(const QByteArray& bytes);
// CR LF, a lone CR and a lone LF each end a line; the last line needs no line end.
QStringList splitRecordLines(const QString& text);
bool fitsWindows1252(const QString& text);
// Characters without a Windows-1252 byte become "?"; callers check fitsWindows1252 first.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

} // namespace pathwick
