// Hot key files: any file either imports or leaves the table as it was, and whatever table the
// export writes, the import reads back the same.
#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyStore.h"
#include "settings/Settings.h"
#include "support/FuzzCheck.h"
#include "support/TempStore.h"

#include <QDateTime>
#include <QFile>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

const QDateTime Moment(QDate(2026, 12, 5), QTime(2, 18, 17));
const QList<HotKeyRecord> StoredTable = {{"65_Send", "Hello\r\nBye"}, {"112_Command", "gedit"}};

test::TempStore& scratch() {
    static test::TempStore store;
    return store;
}

QString path(const char* name) {
    return scratch().folder() + u'/' + QLatin1String(name);
}

// The whole key: text values with their data, the listing with types, the stamp.
QStringList table() {
    QStringList out;
    for (const HotKeyRecord& record : storedHotKeyRecords())
        out.append(record.name + u'=' + record.data);
    QString listing;
    ListSettings("HKLM", hotKeysKeyPath(), listing, true);
    out.append(listing);
    return out;
}

void resetTable(const QList<HotKeyRecord>& records) {
    RewriteSettings("HKLM", hotKeysKeyPath(), RewriteRemoves::Texts, {});
    for (const HotKeyRecord& record : records)
        WriteSetting("HKLM", hotKeysKeyPath(), record.name, "S", record.data);
}

void checkFileBytes(const QByteArray& bytes) {
    resetTable(StoredTable);
    const QStringList before = table();
    QFile file(path("input.key"));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (importHotKeys(path("input.key"), false, Moment).isError()) {
        FUZZ_CHECK_EQ(table(), before);
        return;
    }
    // What was imported has names, and exports and imports again unchanged.
    const QList<HotKeyRecord> imported = storedHotKeyRecords();
    for (const HotKeyRecord& record : imported)
        FUZZ_CHECK(!record.name.trimmed().isEmpty());
    if (exportHotKeys(path("again.key"), true, Moment).isError())
        return;
    FUZZ_CHECK(!importHotKeys(path("again.key"), false, Moment).isError());
    const QList<HotKeyRecord> again = storedHotKeyRecords();
    FUZZ_CHECK_EQ(again.size(), imported.size());
    for (qsizetype i = 0; i < again.size() && i < imported.size(); ++i) {
        FUZZ_CHECK_EQ(again.at(i).name, imported.at(i).name);
        FUZZ_CHECK_EQ(again.at(i).data, imported.at(i).data);
    }
}

// What a text value reads back as: line breaks as CR LF, and the blanks that ended its line
// in the file trimmed away.
QString readBack(QString data) {
    data.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QString token = QStringLiteral("{[") + recordMarker() + QStringLiteral("]}");
    data.replace(u'\n', token);
    while (!data.isEmpty() && data.back().isSpace())
        data.chop(1);
    return data.replace(token, QStringLiteral("\r\n"));
}

void checkTable(FuzzedDataProvider& input) {
    QList<HotKeyRecord> records;
    for (int i = 0; input.remaining_bytes() > 0 && i < 8; ++i) {
        const QString name = QString::number(input.ConsumeIntegralInRange(1, 300)) +
                             (input.ConsumeBool() ? "_Send" : "_Command") + QString::number(i);
        const QString data = fuzz::takeUtf16(input, input.ConsumeIntegralInRange(0, 200));
        if (fuzz::hasLoneSurrogate(data))
            return;
        records.append({name, data});
    }
    resetTable(records);
    // The store may refuse a value; what it holds is what the export sees.
    records = storedHotKeyRecords();
    if (exportHotKeys(path("table.key"), true, Moment).isError())
        return;
    resetTable(StoredTable);
    FUZZ_CHECK(!importHotKeys(path("table.key"), false, Moment).isError());
    const QList<HotKeyRecord> imported = storedHotKeyRecords();
    FUZZ_CHECK_EQ(imported.size(), records.size());
    for (qsizetype i = 0; i < imported.size() && i < records.size(); ++i) {
        FUZZ_CHECK_EQ(imported.at(i).name, records.at(i).name);
        FUZZ_CHECK_EQ(imported.at(i).data, readBack(records.at(i).data));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The scratch store first: every table below is read and written there.
    scratch();
    checkFileBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FuzzedDataProvider input(data, size);
    checkTable(input);
    return 0;
}
