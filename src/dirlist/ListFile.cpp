#include "dirlist/ListFile.h"

#include "common/RecordImport.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick {

namespace {

const QString StringType = QStringLiteral("S");

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
    const QString note = entryNote(now);
    return importRecordFile(filePath, ProgramKey(), keep, now, [&](const QStringList& lines) {
        QList<SettingValue> values;
        for (const QString& line : lines) {
            const RecordLine record = readRecordLine(line);
            values.append(record.header ? headerRecordValue(record.text)
                                        : SettingValue{record.text, StringType, note});
        }
        return values;
    });
}

} // namespace pathwick
