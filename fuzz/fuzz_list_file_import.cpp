// A list file as a user picks it, imported into a real store in a temp folder (adding to
// the stored list or replacing it), then exported and imported again.
#include "dirlist/DirectoryStore.h"
#include "dirlist/ListFile.h"
#include "common/RecordFile.h"
#include "settings/Catalogue.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "support/FuzzCheck.h"
#include "support/TempStore.h"

#include <QFile>

using namespace pathwick;

namespace {

const QString Root = QString::fromLatin1(MachineRoot);
const QDateTime Now(QDate(2026, 5, 12), QTime(1, 45, 44));
// The second entry begins with the marker that header lines begin with.
const QStringList StoredBefore = {QStringLiteral("/home/me/Documents"),
                                  QStringLiteral("\u00b9 :Desktop:\\Caf\u00e9")};

struct StoredValue {
    ListedValue listed;
    QVariant value;
    bool operator==(const StoredValue& other) const {
        return listed.name == other.listed.name && listed.type == other.listed.type &&
               value == other.value;
    }
};
QDebug operator<<(QDebug debug, const StoredValue& stored) {
    return debug << stored.listed.name << stored.listed.type << stored.value;
}

// Everything under the program's key, names, letters and values.
QList<StoredValue> snapshot() {
    QList<StoredValue> values;
    for (const ListedValue& listed : listValues(Root, ProgramKey())) {
        QVariant value;
        ReadSetting(Root, ProgramKey(), listed.name, listed.type, QVariant(), value);
        values.append({listed, value});
    }
    return values;
}

void resetStore() {
    for (const ListedValue& listed : listValues(Root, ProgramKey()))
        DeleteSetting(Root, ProgramKey(), listed.name);
    FUZZ_CHECK(saveStoredEntries(StoredBefore, Now));
    write(catalogue::ShowHiddenMenu, true);
    write(catalogue::UserShutdownTimeHours, 640);
}

// The program's own values of the key, which share it with the list.
QList<StoredValue> settings() {
    QList<StoredValue> values = snapshot();
    values.removeIf(
        [](const StoredValue& value) { return !isProgramValueName(value.listed.name); });
    return values;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK_EQ(file.write(bytes), bytes.size());
}

bool containsFolded(const QStringList& list, const QString& text) {
    return list.contains(text, Qt::CaseInsensitive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static test::TempStore store;
    const QString imported = store.folder() + QStringLiteral("/imported.dirl");
    const QString exported = store.folder() + QStringLiteral("/exported.dirl");
    if (size == 0)
        return 0;
    const bool keep = data[0] & 1;
    writeFile(imported, QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));

    resetStore();
    const QList<StoredValue> before = snapshot();
    const QList<StoredValue> settingsBefore = settings();
    FUZZ_CHECK_EQ(settingsBefore.size(), 2);
    QStringList lines;
    const RecordFileError readError = readRecordFile(imported, lines);
    const RecordFileError importError = importDirectoryList(imported, keep, Now);

    // A refused file changes nothing.
    if (readError.isError() || lines.isEmpty())
        FUZZ_CHECK(importError.isError());
    if (importError.isError()) {
        FUZZ_CHECK(!importError.description.isEmpty());
        FUZZ_CHECK_EQ(snapshot(), before);
        return 0;
    }

    // Every entry line is stored as written (names compare without regard to case), the
    // old entries stay when kept, and values of other types stay. No entry line takes the
    // name of a setting (such a file is refused), so the settings survive.
    QStringList expected = keep ? StoredBefore : QStringList();
    for (const QString& line : lines)
        if (const RecordLine record = readRecordLine(line); !record.header) {
            FUZZ_CHECK(!isProgramValueName(record.text));
            expected.append(record.text);
        }
    const QStringList stored = storedEntries();
    for (const QString& entry : stored)
        FUZZ_CHECK(expected.contains(entry));
    for (const QString& entry : expected)
        FUZZ_CHECK(containsFolded(stored, entry));
    for (qsizetype i = 0; i < stored.size(); ++i)
        FUZZ_CHECK(!containsFolded(stored.mid(i + 1), stored.at(i)));
    FUZZ_CHECK_EQ(settings(), settingsBefore);

    // What the export writes, the import reads back the same. A file of header lines only
    // leaves no entries, whose export is an empty file: the import refuses it and the list
    // stays empty.
    FUZZ_CHECK(!exportDirectoryList(exported, false, Now).isError());
    FUZZ_CHECK_EQ(importDirectoryList(exported, false, Now).isError(), stored.isEmpty());
    FUZZ_CHECK_EQ(storedEntries(), stored);
    FUZZ_CHECK_EQ(settings(), settingsBefore);
    return 0;
}
