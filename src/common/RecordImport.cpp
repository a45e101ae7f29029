#include "common/RecordImport.h"

#include "common/CommonTexts.h"
#include "common/ValueFormats.h"
#include "common/Version.h"
#include "settings/Catalogue.h"

namespace pathwick {

SettingValue headerRecordValue(const QString& headerLine) {
    return {SafeValueName(headerLine, recordMarker()), QStringLiteral("D"), -1};
}

QString recordImportStamp(const QString& filePath, const QDateTime& now) {
    return SavedWithStamp(
        QString::fromLatin1(texts::RecordImportedFrom).arg(filePath, formatNoteMoment(now)));
}

RecordFileError
importRecordFile(const QString& filePath, const QString& keyPath, bool keep, const QDateTime& now,
                 const std::function<QList<SettingValue>(const QStringList& lines)>& valuesOf,
                 const std::function<QString(const QString& line)>& lineRefusal) {
    QStringList lines;
    if (RecordFileError error = readRecordFile(filePath, lines); error.isError())
        return error;
    if (lines.isEmpty())
        return {RecordErrorNumber::InvalidFormat, QString::fromLatin1(texts::RecordNoLines)};
    if (lineRefusal)
        for (const QString& line : lines)
            if (QString refusal = lineRefusal(line); !refusal.isEmpty())
                return {RecordErrorNumber::InvalidFormat, refusal};
    QList<SettingValue> values = {
        {QString(), QStringLiteral("S"), recordImportStamp(filePath, now)}};
    values.append(valuesOf(lines));
    const int result = RewriteSettings(QLatin1String(MachineRoot), keyPath,
                                       keep ? RewriteRemoves::Nothing : RewriteRemoves::Texts,
                                       values);
    if (result != SettingResult::Success)
        return {result, QString::fromLatin1(texts::RecordStoreNotWritten).arg(result)};
    return {};
}

} // namespace pathwick
