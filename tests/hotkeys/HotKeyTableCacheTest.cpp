#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyStore.h"
#include "settings/SettingsTransaction.h"
#include "support/TempStore.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

QStringList names(HotKeyTable& table) {
    QStringList out;
    for (const StoredHotKey& entry : table.entries())
        out.append(entry.name);
    return out;
}

// A write made through a connection of its own, as another running copy makes it.
void writeFromAnotherCopy(const QString& storeFile, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(storeFile).constData(), &db), SQLITE_OK);
    sqlite3_busy_timeout(db, 5000);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void importLines(const QString& folder, const QByteArray& lines) {
    const QString path = folder + QStringLiteral("/keys.key");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    ASSERT_FALSE(importHotKeys(path, false, QDateTime(QDate(2026, 12, 6), QTime(9, 0))).isError());
}

} // namespace

// Each row starts from a table already read once, so what the next read gives shows whether
// the kept entries were dropped when they had to be, and kept when nothing changed.
TEST(HotKeyTableCache, TheNextReadSeesEveryWriteAndOnlyThen) {
    const QStringList stored = {"65_Command", "66_Send"};
    const struct {
        const char* what;
        std::function<void(StoreHotKeyTable&, const test::TempStore&)> change;
        QStringList after;
        bool readAgain;
    } cases[] = {
        {"nothing written, values read",
         [](StoreHotKeyTable& table, const test::TempStore&) {
             readHotKeyValue("65_Command");
             table.data("66_Send");
         },
         stored, false},
        {"a mouse key saved in the window",
         [](StoreHotKeyTable&, const test::TempStore&) {
             writeHotKeyValue("1_Command", HotKeyType::Command, "mouse");
         },
         {"65_Command", "66_Send", "1_Command"},
         true},
        {"deleted in the window",
         [](StoreHotKeyTable&, const test::TempStore&) { deleteHotKeyValue("65_Command"); },
         {"66_Send"},
         true},
        {"imported from a file",
         [](StoreHotKeyTable&, const test::TempStore& store) {
             importLines(store.folder(), "70_Send=typed\r\n");
         },
         {"", "70_Send"},
         true},
        {"renamed by another running copy",
         [](StoreHotKeyTable&, const test::TempStore& store) {
             writeFromAnotherCopy(store.path(), "UPDATE setting_values SET name = '67_Send', "
                                                "folded = '67_send' WHERE name = '66_Send'");
         },
         {"65_Command", "67_Send"},
         true},
        {"saved in a group that rolled back",
         [](StoreHotKeyTable& table, const test::TempStore&) {
             SettingsTransaction group;
             writeHotKeyValue("71_Send", HotKeyType::Send, "undone");
             EXPECT_TRUE(names(table).contains("71_Send"));
         },
         stored, true},
        {"another store opened for a while",
         [](StoreHotKeyTable& table, const test::TempStore&) {
             test::TempStore other;
             EXPECT_TRUE(names(table).isEmpty());
         },
         stored, true},
    };
    for (const auto& c : cases) {
        test::TempStore store;
        for (const QString& name : stored)
            writeHotKeyValue(name, HotKeyType::Command, "x");
        StoreHotKeyTable table;
        const QList<StoredHotKey> before = table.entries();
        c.change(table, store);
        const QList<StoredHotKey> after = table.entries();
        EXPECT_EQ(names(table), c.after) << c.what;
        EXPECT_EQ(after.constData() != before.constData(), c.readAgain) << c.what;
        EXPECT_EQ(table.needsMouseButtons(), needsMouseButtons(after)) << c.what;
    }
}
