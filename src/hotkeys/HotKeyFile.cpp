#include "hotkeys/HotKeyFile.h"

#include "common/RecordImport.h"
#include "common/StringServices.h"
#include "hotkeys/HotKeyFileTexts.h"
#include "hotkeys/HotKeyStore.h"
#include "settings/Catalogue.h"
#include "settings/SettingsListing.h"

namespace pathwick::hotkeys {

namespace {

using namespace file_texts;

const QString TextType = QStringLiteral("S");
const QString CrLf = QStringLiteral("\r\n");

QString lineBreakToken() {
    return QStringLiteral("{[") + recordMarker() + QStringLiteral("]}");
}

// The hot keys share their key with the default type the window offers; no line of a file
// may replace it.
bool isDefaultTypeName(const QString& name) {
    return trimSpaces(name).compare(QLatin1String(catalogue::HotKeysDefaultType.name),
                                    Qt::CaseInsensitive) == 0;
}

} // namespace

QString hotKeyFileLine(const HotKeyRecord& record) {
    QString data = record.data;
    data.replace(CrLf, QStringLiteral("\n")).replace(u'\r', u'\n');
    return entryRecordLine(trimSpaces(record.name) + u'=' + data.replace(u'\n', lineBreakToken()));
}

QStringList hotKeyFileLines(const QList<HotKeyRecord>& records, bool header,
                            const QString& filePath, const QDateTime& now) {
    QStringList lines;
    if (header)
        lines = recordFileHeader(QString::fromLatin1(HotKeysHeader), filePath, now);
    for (const HotKeyRecord& record : records)
        if (!trimSpaces(record.name).isEmpty())
            lines.append(hotKeyFileLine(record));
    return lines;
}

QList<SettingValue> hotKeyFileValues(const QStringList& lines) {
    QList<SettingValue> values;
    for (const QString& line : lines) {
        const RecordLine record = readRecordLine(line);
        if (record.header) {
            if (!isDefaultTypeName(record.text))
                values.append(headerRecordValue(record.text));
            continue;
        }
        const qsizetype equals = record.text.indexOf(u'=');
        const QString name = equals < 0 ? record.text : record.text.left(equals);
        if (trimSpaces(name).isEmpty() || isDefaultTypeName(name))
            continue;
        QString data = equals < 0 ? QString() : record.text.mid(equals + 1);
        values.append({name, TextType, data.replace(lineBreakToken(), CrLf)});
    }
    return values;
}

QList<HotKeyRecord> storedHotKeyRecords() {
    QList<HotKeyRecord> records;
    for (const ListedValue& value : listValues(QLatin1String(MachineRoot), hotKeysKeyPath()))
        if (value.type == TextType && !trimSpaces(value.name).isEmpty())
            records.append({value.name, readHotKeyValue(value.name)});
    return records;
}

RecordFileError exportHotKeys(const QString& filePath, bool header, const QDateTime& now) {
    return writeRecordFile(filePath,
                           hotKeyFileLines(storedHotKeyRecords(), header, filePath, now));
}

RecordFileError importHotKeys(const QString& filePath, bool keep, const QDateTime& now) {
    return importRecordFile(filePath, hotKeysKeyPath(), keep, now, hotKeyFileValues);
}

} // namespace pathwick::hotkeys
