#include "platform/linux/VirtualKeyTable.h"

#include <X11/X.h>
#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace pathwick::platform {

namespace {

using Keysyms = std::vector<unsigned long>;

Keysyms namedKey(int virtualKey) {
    switch (virtualKey) {
    case 3:
        return {XK_Break};
    case 8:
        return {XK_BackSpace};
    case 9:
        return {XK_Tab, XK_ISO_Left_Tab};
    case 12:
        return {XK_Clear};
    case 13:
        return {XK_Return, XK_KP_Enter};
    case 16:
        return {XK_Shift_L, XK_Shift_R};
    case 17:
        return {XK_Control_L, XK_Control_R};
    case 18:
        return {XK_Alt_L, XK_Alt_R, XK_Meta_L, XK_Meta_R, XK_ISO_Level3_Shift};
    case 19:
        return {XK_Pause};
    case 20:
        return {XK_Caps_Lock};
    case 27:
        return {XK_Escape};
    case 32:
        return {XK_space};
    case 33:
        return {XK_Prior};
    case 34:
        return {XK_Next};
    case 35:
        return {XK_End};
    case 36:
        return {XK_Home};
    case 37:
        return {XK_Left};
    case 38:
        return {XK_Up};
    case 39:
        return {XK_Right};
    case 40:
        return {XK_Down};
    case 41:
        return {XK_Select};
    case 43:
        return {XK_Execute};
    case 44:
        return {XK_Print, XK_Sys_Req};
    case 45:
        return {XK_Insert};
    case 46:
        return {XK_Delete};
    case 47:
        return {XK_Help};
    case 91:
        return {XK_Super_L};
    case 92:
        return {XK_Super_R};
    case 93:
        return {XK_Menu};
    case 95:
        return {XF86XK_Sleep};
    case 106:
        return {XK_KP_Multiply};
    case 107:
        return {XK_KP_Add};
    case 108:
        return {XK_KP_Separator};
    case 109:
        return {XK_KP_Subtract};
    case 110:
        return {XK_KP_Decimal, XK_KP_Delete};
    case 111:
        return {XK_KP_Divide};
    case 144:
        return {XK_Num_Lock};
    case 145:
        return {XK_Scroll_Lock};
    case 160:
        return {XK_Shift_L};
    case 161:
        return {XK_Shift_R};
    case 162:
        return {XK_Control_L};
    case 163:
        return {XK_Control_R};
    case 164:
        return {XK_Alt_L, XK_Meta_L};
    case 165:
        return {XK_Alt_R, XK_Meta_R, XK_ISO_Level3_Shift};
    case 166:
        return {XF86XK_Back};
    case 167:
        return {XF86XK_Forward};
    case 168:
        return {XF86XK_Refresh, XF86XK_Reload};
    case 169:
        return {XF86XK_Stop};
    case 170:
        return {XF86XK_Search};
    case 171:
        return {XF86XK_Favorites};
    case 172:
        return {XF86XK_HomePage};
    case 173:
        return {XF86XK_AudioMute};
    case 174:
        return {XF86XK_AudioLowerVolume};
    case 175:
        return {XF86XK_AudioRaiseVolume};
    case 176:
        return {XF86XK_AudioNext};
    case 177:
        return {XF86XK_AudioPrev};
    case 178:
        return {XF86XK_AudioStop};
    case 179:
        return {XF86XK_AudioPlay, XF86XK_AudioPause};
    case 180:
        return {XF86XK_Mail};
    case 181:
        return {XF86XK_AudioMedia};
    case 182:
        return {XF86XK_MyComputer};
    case 183:
        return {XF86XK_Calculator};
    case 186:
        return {XK_semicolon};
    case 187:
        return {XK_equal};
    case 188:
        return {XK_comma};
    case 189:
        return {XK_minus};
    case 190:
        return {XK_period};
    case 191:
        return {XK_slash};
    case 192:
        return {XK_apostrophe};
    case 219:
        return {XK_bracketleft};
    case 220:
        return {XK_backslash};
    case 221:
        return {XK_bracketright};
    case 222:
        return {XK_numbersign};
    case 223:
        return {XK_grave};
    case 255:
        return {XF86XK_Tools};
    default:
        return {};
    }
}

} // namespace

std::vector<unsigned long> keysymsForVirtualKey(int virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9')
        return {static_cast<unsigned long>(XK_0 + (virtualKey - '0'))};
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return {static_cast<unsigned long>(XK_a + (virtualKey - 'A')),
                static_cast<unsigned long>(XK_A + (virtualKey - 'A'))};
    if (virtualKey >= 96 && virtualKey <= 105) {
        // The digit, or what the same key gives with Num Lock off.
        static const unsigned long withoutNumLock[] = {
            XK_KP_Insert, XK_KP_End,   XK_KP_Down, XK_KP_Next, XK_KP_Left,
            XK_KP_Begin,  XK_KP_Right, XK_KP_Home, XK_KP_Up,   XK_KP_Prior};
        const int digit = virtualKey - 96;
        return {static_cast<unsigned long>(XK_KP_0 + digit), withoutNumLock[digit]};
    }
    if (virtualKey >= 112 && virtualKey <= 135)
        return {static_cast<unsigned long>(XK_F1 + (virtualKey - 112))};
    return namedKey(virtualKey);
}

unsigned int pointerMaskForVirtualKey(int virtualKey) {
    switch (virtualKey) {
    case 1:
        return Button1Mask;
    case 2:
        return Button3Mask;
    case 4:
        return Button2Mask;
    default:
        return 0;
    }
}

} // namespace pathwick::platform
