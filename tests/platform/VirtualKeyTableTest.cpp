#include "platform/linux/VirtualKeyTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

// After gtest: X.h defines names such as None that gtest uses.
#include <X11/X.h>
#include <X11/keysym.h>

using namespace pathwick::platform;

namespace {

// Every key number the program names, as its key-name table and ranges list them.
std::vector<int> namedKeyNumbers() {
    std::vector<int> numbers{8,   9,   13,  16,  17,  18,  20,  27,  32,  33,  34,
                             35,  36,  37,  38,  39,  40,  44,  45,  46,  91,  92,
                             93,  95,  106, 107, 109, 110, 111, 144, 145, 186, 187,
                             188, 189, 190, 191, 192, 219, 220, 221, 222, 223, 255};
    const auto addRange = [&](int first, int last) {
        for (int number = first; number <= last; ++number)
            numbers.push_back(number);
    };
    addRange(48, 57);
    addRange(65, 90);
    addRange(96, 105);
    addRange(112, 123);
    addRange(160, 183);
    return numbers;
}

bool lists(int virtualKey, unsigned long keysym) {
    const std::vector<unsigned long> keysyms = keysymsForVirtualKey(virtualKey);
    return std::find(keysyms.begin(), keysyms.end(), keysym) != keysyms.end();
}

} // namespace

TEST(VirtualKeyTable, EveryNamedKeyHasAnXKey) {
    for (int number : namedKeyNumbers())
        EXPECT_FALSE(keysymsForVirtualKey(number).empty()) << "key " << number;
    for (int number : {1, 2, 4})
        EXPECT_NE(pointerMaskForVirtualKey(number), 0u) << "mouse key " << number;
    EXPECT_FALSE(keysymsForVirtualKey(3).empty());
}

TEST(VirtualKeyTable, UnknownNumbersNameNothing) {
    for (int number : {-1, 0, 5, 7, 10, 42, 58, 64, 94, 136, 200, 254, 256, 300}) {
        EXPECT_TRUE(keysymsForVirtualKey(number).empty()) << number;
        EXPECT_EQ(pointerMaskForVirtualKey(number), 0u) << number;
    }
}

TEST(VirtualKeyTable, DistinctKeysNeverShareASymbol) {
    // Only the either-side modifiers share symbols with their one-side numbers.
    const std::map<int, int> sharesWith{{160, 16}, {161, 16}, {162, 17},
                                        {163, 17}, {164, 18}, {165, 18}};
    std::map<unsigned long, int> owner;
    for (int number = 0; number < 256; ++number) {
        const auto shared = sharesWith.find(number);
        for (unsigned long keysym : keysymsForVirtualKey(number)) {
            const auto [it, added] = owner.emplace(keysym, number);
            if (!added) {
                EXPECT_TRUE(shared != sharesWith.end() && shared->second == it->second)
                    << "keys " << it->second << " and " << number << " share keysym " << keysym;
            }
        }
    }
}

TEST(VirtualKeyTable, KeysMapToTheirSymbols) {
    EXPECT_TRUE(lists('A', XK_a) && lists('A', XK_A));
    EXPECT_TRUE(lists('Z', XK_z));
    EXPECT_TRUE(lists('0', XK_0) && lists('9', XK_9));
    EXPECT_TRUE(lists(96, XK_KP_0) && lists(96, XK_KP_Insert));
    EXPECT_TRUE(lists(105, XK_KP_9) && lists(105, XK_KP_Prior));
    EXPECT_TRUE(lists(101, XK_KP_5) && lists(101, XK_KP_Begin));
    EXPECT_TRUE(lists(112, XK_F1) && lists(123, XK_F12) && lists(135, XK_F24));
    for (unsigned long keysym : {XK_Shift_L, XK_Shift_R})
        EXPECT_TRUE(lists(16, keysym));
    for (unsigned long keysym : {XK_Control_L, XK_Control_R})
        EXPECT_TRUE(lists(17, keysym));
    for (unsigned long keysym : {XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift})
        EXPECT_TRUE(lists(18, keysym));
    EXPECT_TRUE(lists(160, XK_Shift_L) && !lists(160, XK_Shift_R));
    EXPECT_TRUE(lists(161, XK_Shift_R) && !lists(161, XK_Shift_L));
    EXPECT_TRUE(lists(162, XK_Control_L) && lists(163, XK_Control_R));
    EXPECT_TRUE(lists(164, XK_Alt_L) && lists(165, XK_ISO_Level3_Shift));
    EXPECT_TRUE(lists(27, XK_Escape) && lists(32, XK_space) && lists(13, XK_Return));
    EXPECT_EQ(pointerMaskForVirtualKey(1), static_cast<unsigned int>(Button1Mask));
    EXPECT_EQ(pointerMaskForVirtualKey(2), static_cast<unsigned int>(Button3Mask));
    EXPECT_EQ(pointerMaskForVirtualKey(4), static_cast<unsigned int>(Button2Mask));
}
