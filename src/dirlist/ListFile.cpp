#include "dirlist/ListFile.h"

#include "common/RecordImport.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

#include <QSet>

namespace pathwick {

namespace {

const QString StringType = QStringLiteral("S");

// An entry line may not take the name of one of the program's own values.
QString importedLineRefusal(const QString& line) {
    const RecordLine record = readRecordLine(line);
    if (record.header || !isProgramValueName(record.text))
        return {};
    return QString::fromLatin1(dirlist_texts::ImportedEntryIsSettingName)
        .arg(record.text, QLatin1String(ProductName));
}

// The values an import writes for lines beside the kept entries. A header value never takes
// an entry's name: it would replace the entry.
QList<SettingValue> listFileValues(const QStringList& lines, const QStringList& kept,
                                   const QString& note) {
    QSet<QString> entryNames;
    for (const QString& entry : kept)
        entryNames.insert(entry.toCaseFolded());
    for (const QString& line : lines)
        if (const RecordLine record = readRecordLine(line); !record.header)
            entryNames.insert(record.text.toCaseFolded());
    QList<SettingValue> values;
    for (const QString& line : lines) {
        const RecordLine record = readRecordLine(line);
        if (!record.header)
            values.append({record.text, StringType, note});
        else if (SettingValue header = headerRecordValue(record.text);
                 !entryNames.contains(header.name.toCaseFolded()))
            values.append(header);
    }
    return values;
}

} // namespace

QStringList directoryListFileLines(const QStringList& entries, bool header, const QString& filePath,
                                   const QDateTime& now) {
    QStringList lines;
    if (header)
        lines =
            recordFileHeader(QString::fromLatin1(dirlist_texts::DirectoriesListed), filePath, now);
    for (const QString& entry : entries) {
        const QString line = entry.trimmed();
        if (!line.isEmpty())
            lines.append(entryRecordLine(line));
    }
    return lines;
}

RecordFileError exportDirectoryList(const QString& filePath, bool header, const QDateTime& now) {
    return writeRecordFile(filePath,
                           directoryListFileLines(storedEntries(), header, filePath, now));
}

RecordFileError importDirectoryList(const QString& filePath, bool keep, const QDateTime& now) {
    const QStringList kept = keep ? storedEntries() : QStringList();
    const QString note = entryNote(now);
    const auto valuesOf = [&](const QStringList& lines) {
        return listFileValues(lines, kept, note);
    };
    return importRecordFile(filePath, ProgramKey(), keep, now, valuesOf, importedLineRefusal);
}

} // namespace pathwick
