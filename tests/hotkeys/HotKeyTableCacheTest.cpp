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

// Through a connection of its own, as another running copy writes.
void renameFromAnotherCopy(const test::TempStore& store) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(store.path()).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "UPDATE setting_values SET name = '67_Send', folded = '67_send' "
                           "WHERE name = '66_Send'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

void importOneLine(const test::TempStore& store) {
    QFile file(store.folder() + QStringLiteral("/keys.key"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("70_Send=typed\r\n") > 0);
    file.close();
    ASSERT_FALSE(importHotKeys(file.fileName(), false, QDateTime::currentDateTime()).isError());
}

} // namespace

// Each row starts from a table read once; the next read must show every write, and must be
// the kept list itself when nothing was written.
TEST(HotKeyTableCache, TheNextReadSeesEveryWriteAndOnlyThen) {
    using Change = std::function<void(StoreHotKeyTable&, const test::TempStore&)>;
    const QStringList stored = {"65_Command", "66_Send"};
    const struct {
        const char* what;
        Change change;
        QStringList after;
        bool kept = false; // the same list, not read again
    } cases[] = {
        {"values only read", [](auto& table, auto&) { table.data("66_Send"); }, stored, true},
        {"a mouse key saved and a key deleted in the window",
         [](auto&, auto&) {
             writeHotKeyValue("1_Command", HotKeyType::Command, "mouse");
             deleteHotKeyValue("65_Command");
         },
         {"66_Send", "1_Command"}},
        {"imported", [](auto&, auto& store) { importOneLine(store); }, {"", "70_Send"}},
        {"another copy",
         [](auto&, auto& store) { renameFromAnotherCopy(store); },
         {"65_Command", "67_Send"}},
        {"a group that rolled back",
         [](auto& table, auto&) {
             SettingsTransaction group;
             writeHotKeyValue("71_Send", HotKeyType::Send, "undone");
             EXPECT_EQ(names(table).size(), 3);
         },
         stored},
        {"another store for a while",
         [](auto& table, auto&) {
             test::TempStore other;
             EXPECT_TRUE(names(table).isEmpty());
         },
         stored},
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
        EXPECT_EQ(after.constData() == before.constData(), c.kept) << c.what;
        EXPECT_EQ(table.needsMouseButtons(), needsMouseButtons(after)) << c.what;
    }
}
