#include "X11TestDisplay.h"

#include "platform/linux/X11KeyState.h"

#include <X11/XF86keysym.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <vector>

using namespace pathwick::platform;

namespace {

// Holds a key down through XTest for its lifetime.
class HeldKey {
public:
    HeldKey(Display* display, KeyCode code) : display_(display), code_(code) {
        XTestFakeKeyEvent(display_, code_, True, CurrentTime);
        XSync(display_, False);
    }
    HeldKey(Display* display, KeySym keysym)
        : HeldKey(display, XKeysymToKeycode(display, keysym)) {}
    ~HeldKey() {
        XTestFakeKeyEvent(display_, code_, False, CurrentTime);
        XSync(display_, False);
    }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    Display* display_;
    KeyCode code_;
};

class HeldButton {
public:
    HeldButton(Display* display, unsigned int button) : display_(display), button_(button) {
        XTestFakeButtonEvent(display_, button_, True, CurrentTime);
        XSync(display_, False);
    }
    ~HeldButton() {
        XTestFakeButtonEvent(display_, button_, False, CurrentTime);
        XSync(display_, False);
    }
    HeldButton(const HeldButton&) = delete;
    HeldButton& operator=(const HeldButton&) = delete;

private:
    Display* display_;
    unsigned int button_;
};

struct Case {
    int virtualKey;
    KeySym keysym;
    std::vector<int> alsoDown; // other key numbers the same key stands for
};

class KeyStateTest : public pathwick::test::X11TestDisplay {
protected:
    // Presses the key and checks that exactly the expected numbers of `watched` are down,
    // then that all are up again after the release.
    void checkPress(const Case& c, const std::vector<int>& watched) {
        const KeyCode code = XKeysymToKeycode(display, c.keysym);
        ASSERT_NE(code, 0) << "the test server has no key for " << XKeysymToString(c.keysym);
        EXPECT_FALSE(keys.isDown(c.virtualKey)) << c.virtualKey << " before the press";
        {
            HeldKey held(display, code);
            EXPECT_TRUE(keys.isDown(c.virtualKey)) << XKeysymToString(c.keysym);
            for (int other : watched) {
                const bool expected =
                    other == c.virtualKey ||
                    std::find(c.alsoDown.begin(), c.alsoDown.end(), other) != c.alsoDown.end();
                EXPECT_EQ(keys.isDown(other), expected)
                    << "key " << other << " while " << XKeysymToString(c.keysym) << " is held";
            }
        }
        EXPECT_FALSE(keys.isDown(c.virtualKey)) << XKeysymToString(c.keysym) << " released";
        for (int other : c.alsoDown)
            EXPECT_FALSE(keys.isDown(other)) << other << " after " << XKeysymToString(c.keysym);
    }

    X11KeyState keys;
};

} // namespace

TEST_F(KeyStateTest, LettersDigitsAndFunctionKeys) {
    const std::vector<int> watched{65, 66, 90, 48, 49, 57, 112, 113, 123, 27, 32, 13, 16, 17, 18};
    const std::vector<Case> cases{{65, XK_a, {}},          {90, XK_z, {}},
                                  {66, XK_b, {}},          {48, XK_0, {}},
                                  {57, XK_9, {}},          {112, XK_F1, {}},
                                  {123, XK_F12, {}},       {27, XK_Escape, {}},
                                  {32, XK_space, {}},      {13, XK_Return, {}},
                                  {8, XK_BackSpace, {}},   {9, XK_Tab, {}},
                                  {37, XK_Left, {}},       {46, XK_Delete, {}},
                                  {33, XK_Prior, {}},      {44, XK_Print, {}},
                                  {186, XK_semicolon, {}}, {219, XK_bracketleft, {}},
                                  {220, XK_backslash, {}}, {91, XK_Super_L, {}},
                                  {93, XK_Menu, {}},       {173, XF86XK_AudioMute, {}},
                                  {166, XF86XK_Back, {}}};
    for (const Case& c : cases)
        checkPress(c, watched);
}

TEST_F(KeyStateTest, EitherSideCountsForShiftCtrlAlt) {
    const std::vector<int> watched{16, 17, 18, 160, 161, 162, 163, 164, 165, 65};
    const std::vector<Case> cases{{160, XK_Shift_L, {16}},         {161, XK_Shift_R, {16}},
                                  {162, XK_Control_L, {17}},       {163, XK_Control_R, {17}},
                                  {164, XK_Alt_L, {18}},           {165, XK_Alt_R, {18}},
                                  {165, XK_ISO_Level3_Shift, {18}}};
    for (const Case& c : cases)
        checkPress(c, watched);

    HeldKey left(display, KeySym{XK_Shift_L});
    HeldKey right(display, KeySym{XK_Shift_R});
    EXPECT_TRUE(keys.isDown(16) && keys.isDown(160) && keys.isDown(161));
}

TEST_F(KeyStateTest, NumberPad) {
    const std::vector<int> watched{96, 97, 101, 105, 48, 53, 106, 107, 109, 110, 111, 13};
    const std::vector<Case> cases{
        {96, XK_KP_0, {}},         {101, XK_KP_5, {}},        {105, XK_KP_9, {}},
        {97, XK_KP_End, {}},       {106, XK_KP_Multiply, {}}, {107, XK_KP_Add, {}},
        {109, XK_KP_Subtract, {}}, {111, XK_KP_Divide, {}},   {110, XK_KP_Decimal, {}},
        {13, XK_KP_Enter, {}},     {144, XK_Num_Lock, {}}};
    for (const Case& c : cases)
        checkPress(c, watched);
}

TEST_F(KeyStateTest, CtrlBreakIsKeyThree) {
    {
        HeldKey pause(display, KeySym{XK_Pause});
        EXPECT_TRUE(keys.isDown(19));
        EXPECT_FALSE(keys.isDown(3));
        HeldKey control(display, KeySym{XK_Control_R});
        EXPECT_TRUE(keys.isDown(3));
    }
    EXPECT_FALSE(keys.isDown(3));
}

TEST_F(KeyStateTest, MouseButtons) {
    const struct {
        unsigned int button;
        int virtualKey;
    } cases[] = {{Button1, 1}, {Button3, 2}, {Button2, 4}};
    for (const auto& c : cases) {
        {
            HeldButton held(display, c.button);
            for (int key : {1, 2, 4})
                EXPECT_EQ(keys.isDown(key), key == c.virtualKey)
                    << "key " << key << " with button " << c.button;
        }
        EXPECT_FALSE(keys.isDown(c.virtualKey));
    }
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
        bool empty = true;
        for (int level = 0; level < perKeycode; ++level)
            empty = empty && mapping[(code - first) * perKeycode + level] == NoSymbol;
        if (empty)
            spare = static_cast<KeyCode>(code);
    }
    XFree(mapping);
    ASSERT_NE(spare, 0);
    ASSERT_EQ(XKeysymToKeycode(display, XK_F13), 0) << "the test server already has F13";

    EXPECT_FALSE(keys.isDown(124));
    KeySym f13 = XK_F13;
    XChangeKeyboardMapping(display, spare, 1, &f13, 1);
    XSync(display, False);
    {
        HeldKey held(display, spare);
        EXPECT_TRUE(keys.isDown(124));
    }
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(display, spare, 1, &none, 1);
    XSync(display, False);
    HeldKey held(display, spare);
    EXPECT_FALSE(keys.isDown(124));
}
