#include "platform/linux/X11KeyboardLayout.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <optional>

namespace pathwick::platform {

namespace {

struct Levels {
    unsigned int shiftMask = ShiftMask;
    unsigned int level3Mask = 0;
};

// No modifier is simplest, then Shift, then the third level, then both.
int cost(const Keystroke& stroke) {
    return int(stroke.shift) + 2 * int(stroke.level3);
}

// The modifiers that reach a level of a key type, or nothing when the level needs others.
std::optional<Keystroke> strokeFor(XkbKeyTypePtr type, int level, unsigned int keycode,
                                   const Levels& levels) {
    if (level == 0)
        return Keystroke{keycode, false, false};
    std::optional<Keystroke> best;
    for (int i = 0; i < type->map_count; ++i) {
        const XkbKTMapEntryRec& entry = type->map[i];
        if (!entry.active || entry.level != level)
            continue;
        const unsigned int mask = entry.mods.mask;
        const bool shift = mask & levels.shiftMask;
        const bool level3 = levels.level3Mask && (mask & levels.level3Mask);
        if (mask & ~((shift ? levels.shiftMask : 0) | (level3 ? levels.level3Mask : 0)))
            continue;
        const Keystroke candidate{keycode, shift, level3};
        if (!best || cost(candidate) < cost(*best))
            best = candidate;
    }
    return best;
}

int effectiveGroup(XkbDescPtr xkb, unsigned int keycode, int group) {
    const int groups = XkbKeyNumGroups(xkb, keycode);
    return group < groups ? group : group % groups;
}

KeySym levelOneSym(XkbDescPtr xkb, unsigned int keycode, int group) {
    if (XkbKeyNumGroups(xkb, keycode) == 0)
        return NoSymbol;
    return XkbKeySymEntry(xkb, keycode, 0, effectiveGroup(xkb, keycode, group));
}

} // namespace

KeyboardLayout readKeyboardLayout(Display* display, const std::set<unsigned int>& ownBindings) {
    KeyboardLayout layout;
    XkbDescPtr xkb =
        XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask, XkbUseCoreKbd);
    if (!xkb)
        return layout;
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    const int group = state.group;
    layout.group = group;

    Levels levels;
    for (unsigned int keycode = xkb->min_key_code; keycode <= xkb->max_key_code; ++keycode) {
        const KeySym sym = levelOneSym(xkb, keycode, group);
        if ((sym == XK_Shift_L || (sym == XK_Shift_R && !layout.shiftKeycode)))
            layout.shiftKeycode = keycode;
        if (sym == XK_ISO_Level3_Shift && !layout.level3Keycode && xkb->map->modmap[keycode]) {
            layout.level3Keycode = keycode;
            levels.level3Mask = xkb->map->modmap[keycode];
        }
    }

    for (unsigned int keycode = xkb->min_key_code; keycode <= xkb->max_key_code; ++keycode) {
        if (XkbKeyNumGroups(xkb, keycode) == 0 || ownBindings.count(keycode)) {
            layout.spareKeycodes.push_back(keycode);
            continue;
        }
        const int keyGroup = effectiveGroup(xkb, keycode, group);
        XkbKeyTypePtr type = XkbKeyKeyType(xkb, keycode, keyGroup);
        for (int level = 0; level < type->num_levels; ++level) {
            const char32_t character =
                characterForKeysym(XkbKeySymEntry(xkb, keycode, level, keyGroup));
            if (!character)
                continue;
            const std::optional<Keystroke> stroke = strokeFor(type, level, keycode, levels);
            if (!stroke || (stroke->shift && !layout.shiftKeycode))
                continue;
            // The simplest way to a character wins: no modifier before Shift before AltGr.
            const auto known = layout.strokes.find(character);
            if (known == layout.strokes.end() || cost(*stroke) < cost(known->second))
                layout.strokes[character] = *stroke;
        }
    }
    XkbFreeKeyboard(xkb, 0, True);
    return layout;
}

std::vector<unsigned int> modifierKeycodes(Display* display) {
    std::vector<unsigned int> keycodes;
    XModifierKeymap* map = XGetModifierMapping(display);
    if (!map)
        return keycodes;
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    for (int modifier = 0; modifier < 8; ++modifier) {
        if (modifier == LockMapIndex)
            continue;
        for (int i = 0; i < map->max_keypermod; ++i) {
            const KeyCode keycode = map->modifiermap[modifier * map->max_keypermod + i];
            if (keycode && keycode != numLock)
                keycodes.push_back(keycode);
        }
    }
    XFreeModifiermap(map);
    return keycodes;
}

} // namespace pathwick::platform
