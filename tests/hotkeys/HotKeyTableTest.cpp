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

TEST(HotKeyName, ComposesNumberTypeAndModifiersInOrder) {
    const struct {
        const char* keyText;
        HotKeyType type;
        Modifiers modifiers;
        const char* name;
    } cases[] = {
        {"112", HotKeyType::Command, {}, "112_Command"},
        {" 065 ", HotKeyType::Command, {}, "065_Command"},
        {"65", HotKeyType::Send, {true, true, false}, "65_Send_Shift_Ctrl"},
        {"65", HotKeyType::Send, {true, true, true}, "65_Send_Shift_Ctrl_Alt"},
        {"9", HotKeyType::None, {false, false, true}, "9_Alt"},
        {"\t9", HotKeyType::Command, {}, "\t9_Command"}, // only spaces are trimmed
    };
    for (const auto& c : cases)
        EXPECT_EQ(composeHotKeyName(QString::fromUtf8(c.keyText), c.type, c.modifiers),
                  QString::fromUtf8(c.name));
}

TEST(HotKeyName, ReadsNumberAndSuffixesBack) {
    const struct {
        const char* name;
        std::optional<HotKeyName> parsed;
    } cases[] = {
        {"65_Command", key(65, true, false)},
        {"065_Command", key(65, true, false)},
        {"65_Send_Shift_Ctrl", key(65, false, true, {true, true, false})},
        {"65_Alt_Ctrl_Shift_Send", key(65, false, true, {true, true, true})},
        {"65_command", key(65, false, false)}, // suffixes are case-sensitive
        {"65_SEND_shift", key(65, false, false)},
        {"65_Command_Send", key(65, true, true)},
        {"65", key(65, false, false)},
        {"x_Command", key(0, true, false)},
        {"", key(0, false, false)},
        {"-5_Send", key(-5, false, true)},
        {" 1 2_Send", key(12, false, true)}, // blanks inside a number are skipped
        {"1e2_Send", key(100, false, true)},
        {"1e_Send", key(1, false, true)},
        {"65.5_Send", key(66, false, true)},
        {"66.5_Send", key(66, false, true)}, // halves go to the even neighbour
        {"&H70_Command", key(112, true, false)},
        {"&o10_Command", key(8, true, false)},
        {"&HFFFF_Send", key(-1, false, true)},
        {"32767_Send", key(32767, false, true)},
        {"-32768_Send", key(-32768, false, true)},
        {"32768_Send", std::nullopt}, // beyond a 16-bit key number
        {"99999999999999999999_Send", std::nullopt},
        {"1e999_Send", std::nullopt},
        {"&H10000_Send", std::nullopt},
        {"\u0661\u0662_Send", key(0, false, true)}, // only ASCII digits make a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseHotKeyName(QString::fromUtf8(c.name)), c.parsed) << c.name;
}

TEST(HotKeyStore, OnlyTextValuesWithAKeyNumberAreListedInStoredOrder) {
    test::TempStore store;
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    writeHotKeyValue("65_Command", HotKeyType::Command, "  gedit  ");
    writeHotKeyValue("065_Command", HotKeyType::Command, "xterm");
    writeHotKeyValue("66_Send_Shift", HotKeyType::Send, "  two  \r\nlines ");
    WriteSetting(root, hotKeysKeyPath(), "67_Command", "D", 5);
    WriteSetting(root, hotKeysKeyPath(), "68_Send", "E", "expand");
    WriteSetting(root, hotKeysKeyPath(), "99999_Send", "S", "too big");
    writeDefaultHotKeyType(HotKeyType::Send);

    StoreHotKeyTable table;
    const QList<StoredHotKey> entries = table.entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].name, "65_Command");
    EXPECT_EQ(entries[1].name, "065_Command");
    EXPECT_EQ(entries[1].key, key(65, true, false));
    EXPECT_EQ(entries[2].key, key(66, false, true, {true, false, false}));
    EXPECT_EQ(table.data("65_Command"), "gedit");
    EXPECT_EQ(table.data("66_Send_Shift"), "  two  \r\nlines ");
    EXPECT_EQ(table.data("70_Send"), "");

    deleteHotKeyValue("65_Command");
    deleteHotKeyValue("65_Command");
    EXPECT_EQ(readHotKeyValue("65_Command"), "");
    EXPECT_EQ(table.entries().size(), 2);
}

TEST(HotKeyStore, AMissingKeyIsAnEmptyTable) {
    test::TempStore store;
    EXPECT_TRUE(StoreHotKeyTable().entries().isEmpty());
}

TEST(HotKeyStore, DefaultTypeIsClampedToTheTwoTypes) {
    test::TempStore store;
    EXPECT_EQ(readDefaultHotKeyType(), HotKeyType::Command);
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    const struct {
        int stored;
        HotKeyType read;
    } cases[] = {{-3, HotKeyType::Command},
                 {0, HotKeyType::Command},
                 {1, HotKeyType::Send},
                 {2, HotKeyType::Send},
                 {300, HotKeyType::Send}};
    for (const auto& c : cases) {
        WriteSetting(root, hotKeysKeyPath(), "HotKeysDefalutType", "B", c.stored);
        EXPECT_EQ(readDefaultHotKeyType(), c.read) << c.stored;
    }
}
