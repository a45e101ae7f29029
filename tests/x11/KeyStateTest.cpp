#include "X11TestDisplay.h"

#include "platform/linux/X11KeyState.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <algorithm>

using namespace pathwick::platform;

namespace {

class KeyStateTest : public pathwick::test::X11TestDisplay {
protected:
    void setButton(unsigned int button, bool down) {
        XTestFakeButtonEvent(display, button, down, CurrentTime);
        XSync(display, False);
    }

    X11KeyState keys;
};

} // namespace

// While a key is held its number is down, with the either-side number of Shift, Ctrl and
// Alt, and no other number; after the release none is. Break is key 3 only with Ctrl.
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
        {19, XK_Pause, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(XKeysymToString(c.keysym));
        ASSERT_NE(XKeysymToKeycode(display, c.keysym), 0u) << "the test server has no such key";
        press({c.keysym});
        const KeySnapshot held = keys.snapshot(false);
        for (int number = 1; number < KeySnapshot::KeyCount; ++number)
            EXPECT_EQ(held.isDown(number), number == c.virtualKey || number == c.alsoDown)
                << "key " << number;
        releaseAll();
        EXPECT_TRUE(keys.snapshot(false).none()) << "after the release";
    }
    press({XK_Shift_L, XK_Shift_R});
    EXPECT_TRUE(keys.isDown(16) && keys.isDown(160) && keys.isDown(161));
    press({XK_Control_R, XK_Pause});
    EXPECT_TRUE(keys.isDown(3));
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
    ASSERT_EQ(XKeysymToKeycode(display, XK_F13), 0u) << "the test server already has F13";

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

// The mouse buttons, keys 1, 2 and 4, are looked at only when asked.
TEST_F(KeyStateTest, MouseButtonsOnlyWhenAsked) {
    for (const auto& [button, virtualKey] : {std::pair{Button1, 1}, {Button3, 2}, {Button2, 4}}) {
        SCOPED_TRACE(button);
        setButton(button, true);
        EXPECT_TRUE(keys.snapshot(false).none());
        for (int number : {1, 2, 4}) {
            EXPECT_EQ(keys.snapshot(true).isDown(number), number == virtualKey) << number;
            EXPECT_EQ(keys.isDown(number), number == virtualKey) << number;
        }
        setButton(button, false);
        EXPECT_FALSE(keys.isDown(virtualKey));
    }
}
