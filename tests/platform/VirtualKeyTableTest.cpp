#include "platform/linux/VirtualKeyTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

// After gtest: X.h defines names such as None that gtest uses.
#include <X11/X.h>
#include <X11/keysym.h>

using namespace pathwick::platform;

// Every key number the program names has an X key, every other number names nothing, and
// no two keys share a symbol except the either-side modifiers and their one-side numbers.
TEST(VirtualKeyTable, CoversEveryKeyNumberWithoutOverlaps) {
    std::vector<int> named{3,   8,   9,   12,  13,  16,  17,  18,  19,  20,  27,  32,  33,
                           34,  35,  36,  37,  38,  39,  40,  41,  43,  44,  45,  46,  47,
                           91,  92,  93,  95,  106, 107, 108, 109, 110, 111, 144, 145, 186,
                           187, 188, 189, 190, 191, 192, 219, 220, 221, 222, 223, 255};
    for (const auto& [first, last] :
         {std::pair{48, 57}, {65, 90}, {96, 105}, {112, 135}, {160, 183}})
        for (int number = first; number <= last; ++number)
            named.push_back(number);
    const std::map<int, int> sharesWith{{160, 16}, {161, 16}, {162, 17},
                                        {163, 17}, {164, 18}, {165, 18}};
    std::map<unsigned long, int> owner;
    for (int number = -1; number <= 300; ++number) {
        const std::vector<unsigned long> keysyms = keysymsForVirtualKey(number);
        const bool isNamed = std::find(named.begin(), named.end(), number) != named.end();
        EXPECT_EQ(keysyms.empty(), !isNamed) << "key " << number;
        EXPECT_EQ(pointerMaskForVirtualKey(number) != 0, number == 1 || number == 2 || number == 4)
            << "key " << number;
        for (unsigned long keysym : keysyms) {
            const auto [it, added] = owner.emplace(keysym, number);
            const auto shared = sharesWith.find(number);
            EXPECT_TRUE(added || (shared != sharesWith.end() && shared->second == it->second))
                << "keys " << it->second << " and " << number << " share keysym " << keysym;
        }
    }
}

TEST(VirtualKeyTable, KeysMapToTheirSymbols) {
    const struct {
        int virtualKey;
        std::vector<unsigned long> keysyms; // among those listed
    } cases[] = {
        // clang-format off
        {'A', {XK_a, XK_A}}, {'Z', {XK_z}}, {'0', {XK_0}}, {'9', {XK_9}},
        {96, {XK_KP_0, XK_KP_Insert}}, {101, {XK_KP_5, XK_KP_Begin}}, {105, {XK_KP_9, XK_KP_Prior}},
        {112, {XK_F1}}, {123, {XK_F12}}, {135, {XK_F24}},
        {16, {XK_Shift_L, XK_Shift_R}}, {17, {XK_Control_L, XK_Control_R}},
        {18, {XK_Alt_L, XK_Alt_R, XK_ISO_Level3_Shift}},
        {160, {XK_Shift_L}}, {161, {XK_Shift_R}}, {162, {XK_Control_L}}, {163, {XK_Control_R}},
        {164, {XK_Alt_L}}, {165, {XK_Alt_R, XK_ISO_Level3_Shift}},
        {27, {XK_Escape}}, {32, {XK_space}}, {13, {XK_Return, XK_KP_Enter}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::vector<unsigned long> listed = keysymsForVirtualKey(c.virtualKey);
        for (unsigned long keysym : c.keysyms)
            EXPECT_NE(std::find(listed.begin(), listed.end(), keysym), listed.end())
                << "key " << c.virtualKey << " lacks keysym 0x" << std::hex << keysym;
    }
    EXPECT_EQ(pointerMaskForVirtualKey(1), unsigned(Button1Mask));
    EXPECT_EQ(pointerMaskForVirtualKey(2), unsigned(Button3Mask));
    EXPECT_EQ(pointerMaskForVirtualKey(4), unsigned(Button2Mask));
}
