#include "hotkeys/HotKeyName.h"
#include "hotkeys/HotKeyStore.h"

#include "settings/Settings.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

HotKeyName key(qint16 number, bool command, bool send, Modifiers modifiers = {}) {
    return {number, command, send, modifiers};
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
        {"&H70_Command", key(112, true, false)},
        {"99999999999999999999_Send", std::nullopt},
        {"1e999_Send", std::nullopt},
        {"\u0661\u0662_Send", key(0, false, true)}, // only ASCII digits make a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseHotKeyName(QString::fromUtf8(c.name)), c.parsed) << c.name;
}

TEST(HotKeyStore, OnlyTextValuesWithAKeyNumberAreListedInStoredOrder) {
    test::TempStore store;
    StoreHotKeyTable table;
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    writeHotKeyValue("65_Command", HotKeyType::Command, "  gedit  ");
    writeHotKeyValue("065_Command", HotKeyType::Command, "xterm");
    writeHotKeyValue("66_Send_Shift", HotKeyType::Send, "  two  \r\nlines ");
    WriteSetting(root, hotKeysKeyPath(), "67_Command", "D", 5);
    WriteSetting(root, hotKeysKeyPath(), "68_Send", "E", "expand");
    WriteSetting(root, hotKeysKeyPath(), "99999_Send", "S", "too big");

    const QList<StoredHotKey> entries = table.entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[1].name, "065_Command");
    EXPECT_EQ(entries[1].key, key(65, true, false));
    EXPECT_EQ(entries[2].key, key(66, false, true, {true, false, false}));
    EXPECT_EQ(table.data("65_Command"), "gedit");
    EXPECT_EQ(table.data("66_Send_Shift"), "  two  \r\nlines ");
    EXPECT_EQ(table.data("70_Send"), "");
}
