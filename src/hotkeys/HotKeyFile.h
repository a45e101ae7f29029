#pragma once

#include "common/RecordFile.h"
#include "settings/Settings.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace pathwick::hotkeys {

// One text value of the hot key table as a hot key file holds it.
struct HotKeyRecord {
    QString name;
    QString data;
};

// "name=data": the name without surrounding blanks, every line break of the data (CR LF, or a
// lone CR or LF) written as "{[¹]}", so that one entry stays one line.
QString hotKeyFileLine(const HotKeyRecord& record);

// The lines an export writes: the header when asked for, then one line per record whose name
// is not blank.
QStringList hotKeyFileLines(const QList<HotKeyRecord>& records, bool header,
                            const QString& filePath, const QDateTime& now);

// What an import stores for a file's lines (trimmed, blank ones left out): header lines as
// number values of -1 named after their letters and digits, other lines as text values named
// by the part before the first "=", with the data after it and "{[¹]}" back to CR LF. A line
// whose name is blank is no hot key and is left out.
QList<SettingValue> hotKeyFileValues(const QStringList& lines);

// The text values of the stored table, in store order.
QList<HotKeyRecord> storedHotKeyRecords();

// Writes the table to filePath; the file is replaced only when it was written whole.
RecordFileError exportHotKeys(const QString& filePath, bool header, const QDateTime& now);

// Loads filePath into the table in one rewrite: unless keep, the table's text values go
// first. A file without any line, or one that cannot be a hot key file, is refused; on any
// error the table is as it was.
RecordFileError importHotKeys(const QString& filePath, bool keep, const QDateTime& now);

} // namespace pathwick::hotkeys
