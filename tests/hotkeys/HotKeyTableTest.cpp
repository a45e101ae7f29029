#include "hotkeys/HotKeyName.h"
#include "hotkeys/HotKeyStore.h"

#include "settings/Settings.h"
#include "settings/SettingsTransaction.h"
#include "support/TempStore.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

HotKeyName key(qint16 number, bool command, bool send, Modifiers modifiers = {}) {
    return {number, command, send, modifiers};
}

QStringList names(HotKeyTable& table) {
    QStringList out;
    for (const StoredHotKey& entry : table.entries())
        out.append(entry.name);
    return out;
}

} // namespace

TEST(HotKeyName, ReadsNumberAndSuffixesBack) {
    const struct {
        const char* name;
        std::optional<HotKeyName> parsed;
    } cases[] = {
        {"65_command", key(65, false, false)}, // suffixes are case-sensitive
        {"x_Command", key(0, true, false)},
        {"1e2_Send", key(100, false, true)},
        {"65.5_Send", key(66, false, true)},
        {"66.5_Send", key(66, false, true)}, // halves go to the even neighbour
        {"1e999_Send", std::nullopt},
        {"\u0661\u0662_Send", key(0, false, true)}, // only ASCII digits make a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseHotKeyName(QString::fromUtf8(c.name)), c.parsed) << c.name;
}

// Only text values with a key number are listed, in stored order. The table is read again
// after each kind of change: every write shows at the next read, and nothing else makes it
// read the store again.
TEST(HotKeyStore, TheTableListsTextEntriesAndItsNextReadSeesEveryWrite) {
    test::TempStore store;
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    writeHotKeyValue("65_Command", HotKeyType::Command, "  gedit  ");
    writeHotKeyValue("066_Send_Shift", HotKeyType::Send, "  two  \r\nlines ");
    WriteSetting(root, hotKeysKeyPath(), "67_Command", "D", 5);
    WriteSetting(root, hotKeysKeyPath(), "68_Send", "E", "expand");
    WriteSetting(root, hotKeysKeyPath(), "99999_Send", "S", "too big");
    StoreHotKeyTable table;
    const QList<StoredHotKey> first = table.entries();
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(first[1].key, key(66, false, true, {true, false, false}));
    EXPECT_EQ(table.data("65_Command"), "gedit");
    EXPECT_EQ(table.data("066_Send_Shift"), "  two  \r\nlines ");
    EXPECT_EQ(table.entries().constData(), first.constData());

    writeHotKeyValue("1_Command", HotKeyType::Command, "mouse");
    const QStringList three = {"65_Command", "066_Send_Shift", "1_Command"};
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

    // Through a connection of its own, as another running copy writes.
    EXPECT_EQ(test::runSql(store.path(),
                           "UPDATE setting_values SET name = '67_Send', folded = '67_send' "
                           "WHERE name = '066_Send_Shift'"),
              SQLITE_OK);
    EXPECT_EQ(names(table), (QStringList{"65_Command", "67_Send", "1_Command"}));
    EXPECT_TRUE(table.needsMouseButtons());
}
