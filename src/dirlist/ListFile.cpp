#include "dirlist/ListFile.h"

#include "common/ValueFormats.h"
#include "common/Version.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

namespace pathwick {

namespace {

const QString StringType = QStringLiteral("S");
const QString NumberType = QStringLiteral("D");

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

QString importStamp(const QString& filePath, const QDateTime& now) {
    return SavedWithStamp(
        QString::fromLatin1(dirlist_texts::ImportedFrom).arg(filePath, formatNoteMoment(now)));
}

bool listFileSizeIsDoubtful(qint64 bytes) {
    return bytes < 10 || bytes > 20000;
}

RecordFileError exportDirectoryList(const QString& filePath, bool header, const QDateTime& now) {
    return writeRecordFile(filePath,
                           directoryListFileLines(storedEntries(), header, filePath, now));
}

RecordFileError importDirectoryList(const QString& filePath, bool keep, const QDateTime& now) {
    QStringList lines;
    if (RecordFileError error = readRecordFile(filePath, lines); error.isError())
        return error;
    // An empty file would replace the list with nothing.
    if (lines.isEmpty())
        return {RecordErrorNumber::InvalidFormat, QString::fromLatin1(dirlist_texts::NoLines)};

    const QString m = recordMarker();
    const QString note = entryNote(now);
    QList<SettingValue> values = {{QString(), StringType, importStamp(filePath, now)}};
    for (const QString& line : lines) {
        const RecordLine record = readRecordLine(line);
        if (record.header)
            values.append({SafeValueName(record.text, m), NumberType, -1});
        else
            values.append({record.text, StringType, note});
    }
    const int result = RewriteSettings(
        MachineRoot, ProgramKey(), keep ? RewriteRemoves::Nothing : RewriteRemoves::Texts, values);
    if (result != SettingResult::Success)
        return {result, QString::fromLatin1(dirlist_texts::StoreNotWritten).arg(result)};
    return {};
}

} // namespace pathwick
