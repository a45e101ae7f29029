#include "X11TestDisplay.h"

#include "platform/linux/X11KeyState.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <algorithm>
#include <set>

using namespace pathwick::platform;

namespace {

class KeyStateTest : public pathwick::test::X11TestDisplay {
protected:
    unsigned int key(KeySym keysym) { return XKeysymToKeycode(display, keysym); }
    void setButton(unsigned int button, bool down) {
        XTestFakeButtonEvent(display, button, down, CurrentTime);
        XSync(display, False);
    }

    X11KeyState keys;
};

} // namespace

// While a key is held its number is down, with the either-side number of Shift, Ctrl and
// Alt, and no other number of the table; after the release neither is.
TEST_F(KeyStateTest, EachKeyIsDownWhileHeldAndUpAfterwards) {
    const struct {
        int virtualKey;
        KeySym keysym;
        int alsoDown; // 0 for none
    } cases[] = {
        // clang-format off
        {65, XK_a, 0}, {48, XK_0, 0}, {112, XK_F1, 0}, {13, XK_Return, 0}, {13, XK_KP_Enter, 0},
        {186, XK_semicolon, 0}, {91, XK_Super_L, 0}, {173, XF86XK_AudioMute, 0},
        {166, XF86XK_Back, 0}, {160, XK_Shift_L, 16}, {161, XK_Shift_R, 16},
        {163, XK_Control_R, 17}, {164, XK_Alt_L, 18}, {165, XK_ISO_Level3_Shift, 18},
        {96, XK_KP_0, 0}, {97, XK_KP_End, 0}, {110, XK_KP_Decimal, 0}, {144, XK_Num_Lock, 0},
        // clang-format on
    };
    std::set<int> watched{16, 17, 18};
    for (const auto& c : cases)
        watched.insert(c.virtualKey);
    for (const auto& c : cases) {
        SCOPED_TRACE(XKeysymToString(c.keysym));
        ASSERT_NE(key(c.keysym), 0u) << "the test server has no such key";
        EXPECT_FALSE(keys.isDown(c.virtualKey)) << "before the press";
        press({c.keysym});
        for (int number : watched)
            EXPECT_EQ(keys.isDown(number), number == c.virtualKey || number == c.alsoDown)
                << "key " << number;
        releaseAll();
        EXPECT_FALSE(keys.isDown(c.virtualKey) || keys.isDown(c.alsoDown)) << "after the release";
    }
    press({XK_Shift_L, XK_Shift_R});
    EXPECT_TRUE(keys.isDown(16) && keys.isDown(160) && keys.isDown(161));
}

TEST_F(KeyStateTest, CtrlBreakIsKeyThree) {
    press({XK_Pause});
    EXPECT_TRUE(keys.isDown(19));
    EXPECT_FALSE(keys.isDown(3));
    press({XK_Control_R});
    EXPECT_TRUE(keys.isDown(3));
    releaseAll();
    EXPECT_FALSE(keys.isDown(3));
}

TEST_F(KeyStateTest, FollowsKeyboardMappingChanges) {
    // A keycode the test server leaves unused becomes F13 for a while.
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perKeycode = 0;
    KeySym* mapping = XGetKeyboardMapping(display, first, last - first + 1, &perKeycode);
    KeyCode spare = 0;
    for (int code = last; code >= first && !spare; --code) {
        const KeySym* symbols = mapping + (code - first) * perKeycode;
        if (std::all_of(symbols, symbols + perKeycode, [](KeySym s) { return s == NoSymbol; }))
            spare = static_cast<KeyCode>(code);
    }
    XFree(mapping);
    ASSERT_NE(spare, 0);
    ASSERT_EQ(key(XK_F13), 0u) << "the test server already has F13";

    EXPECT_FALSE(keys.isDown(124));
    KeySym symbol = XK_F13;
    XChangeKeyboardMapping(display, spare, 1, &symbol, 1);
    XSync(display, False);
    pressCode(spare);
    EXPECT_TRUE(keys.isDown(124));
    releaseAll();
    symbol = NoSymbol;
    XChangeKeyboardMapping(display, spare, 1, &symbol, 1);
    XSync(display, False);
    pressCode(spare);
    EXPECT_FALSE(keys.isDown(124));
}

// One look gives every held key at once; the mouse buttons, keys 1, 2 and 4, only when asked.
TEST_F(KeyStateTest, SnapshotSeesEveryHeldKeyAndTheButtonsWhenAsked) {
    press({XK_Shift_L, XK_a, XK_F1});
    for (const auto& [button, virtualKey] : {std::pair{Button1, 1}, {Button3, 2}, {Button2, 4}}) {
        SCOPED_TRACE(button);
        setButton(button, true);
        const KeySnapshot keyboardOnly = keys.snapshot(false);
        const KeySnapshot withMouse = keys.snapshot(true);
        for (int number = -1; number <= 300; ++number) {
            const bool held = number == 16 || number == 160 || number == 65 || number == 112;
            EXPECT_EQ(keyboardOnly.isDown(number), held) << "key " << number;
            EXPECT_EQ(withMouse.isDown(number), held || number == virtualKey) << "key " << number;
        }
        for (int number : {1, 2, 4})
            EXPECT_EQ(keys.isDown(number), number == virtualKey) << "key " << number;
        setButton(button, false);
        EXPECT_FALSE(keys.isDown(virtualKey));
    }
}
