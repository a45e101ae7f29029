#include "hotkeys/HotKeyStore.h"
#include "settings/SettingsTransaction.h"
#include "support/TempStore.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

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

} // namespace

// One table read again after each kind of change: every write shows at the next read, and
// nothing else makes it read the store again.
TEST(HotKeyTableCache, TheNextReadSeesEveryWriteAndOnlyThen) {
    test::TempStore store;
    writeHotKeyValue("65_Command", HotKeyType::Command, "x");
    writeHotKeyValue("66_Send", HotKeyType::Send, "x");
    StoreHotKeyTable table;
    const QList<StoredHotKey> first = table.entries();
    table.data("66_Send");
    EXPECT_EQ(table.entries().constData(), first.constData());

    writeHotKeyValue("1_Command", HotKeyType::Command, "mouse");
    const QStringList three = {"65_Command", "66_Send", "1_Command"};
    EXPECT_EQ(names(table), three);
    EXPECT_TRUE(table.needsMouseButtons());
    {
        SettingsTransaction group;
        deleteHotKeyValue("1_Command");
        EXPECT_EQ(names(table).size(), 2);
        EXPECT_FALSE(table.needsMouseButtons());
    }
    EXPECT_EQ(names(table), three);
    {
        test::TempStore other;
        EXPECT_TRUE(names(table).isEmpty());
    }
    EXPECT_EQ(names(table), three);

    renameFromAnotherCopy(store);
    EXPECT_EQ(names(table), (QStringList{"65_Command", "67_Send", "1_Command"}));
    EXPECT_TRUE(table.needsMouseButtons());
}
