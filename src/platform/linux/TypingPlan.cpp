#include "platform/linux/TypingPlan.h"

#include <X11/keysym.h>

#include <algorithm>
#include <set>

namespace pathwick::platform {

namespace {

constexpr unsigned long UnicodeKeysymBase = 0x01000000;

bool isLatin1Printable(char32_t c) {
    return (c >= 0x20 && c <= 0x7e) || (c >= 0xa0 && c <= 0xff);
}

// The characters of a text with CR LF, CR and LF each made one "\n".
std::u32string characters(const QString& text) {
    std::u32string out;
    out.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out.push_back(U'\n');
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            out.push_back(0); // half a character: nothing types it
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

bool typeable(char32_t c) {
    return c == U'\t' || c == U'\n' || (c >= 0x20 && c != 0x7f && !(c >= 0x80 && c < 0xa0));
}

void switchGroup(std::vector<KeyEvent>& events, int& current, int group) {
    if (group != current)
        events.push_back({0, false, group});
    current = group;
}

void press(std::vector<KeyEvent>& events, int& group, const Keystroke& stroke,
           const KeyboardLayout& layout) {
    switchGroup(events, group, stroke.group < 0 ? layout.group : stroke.group);
    if (stroke.level3)
        events.push_back({layout.level3Keycode, true});
    if (stroke.shift)
        events.push_back({layout.shiftKeycode, true});
    events.push_back({stroke.keycode, true});
    events.push_back({stroke.keycode, false});
    if (stroke.shift)
        events.push_back({layout.shiftKeycode, false});
    if (stroke.level3)
        events.push_back({layout.level3Keycode, false});
}

} // namespace

unsigned long keysymForCharacter(char32_t character) {
    if (character == U'\t')
        return XK_Tab;
    if (character == U'\n')
        return XK_Return;
    if (isLatin1Printable(character))
        return character;
    return UnicodeKeysymBase + character;
}

char32_t characterForKeysym(unsigned long keysym) {
    if (keysym == XK_Tab)
        return U'\t';
    if (keysym == XK_Return)
        return U'\n';
    if (keysym == XK_EuroSign)
        return U'\u20ac';
    if (isLatin1Printable(char32_t(keysym)) && keysym <= 0xff)
        return char32_t(keysym);
    if (keysym >= UnicodeKeysymBase + 0x100 && keysym <= UnicodeKeysymBase + 0x10ffff)
        return char32_t(keysym - UnicodeKeysymBase);
    return 0;
}

TypingPlan planTyping(const QString& text, const KeyboardLayout& layout) {
    TypingPlan plan;
    plan.batches.emplace_back();
    const std::u32string all = characters(text);
    const size_t levels = layout.shiftKeycode ? 2 : 1;
    const std::vector<unsigned int>& spare = layout.spareKeycodes;
    // A text with more characters than places binds half of the keys per batch, so a
    // batch never rebinds the keys the batch just before it uses.
    std::set<char32_t> withoutKey;
    for (char32_t c : all)
        if (typeable(c) && !layout.strokes.count(c))
            withoutKey.insert(c);
    const bool halves =
        spare.size() > 1 && withoutKey.size() > spare.size() * levels * SpareGroups;
    size_t firstKey = 0, keys = halves ? spare.size() / 2 : spare.size();
    std::map<char32_t, Keystroke> bound; // by the current batch
    int group = layout.group;
    for (char32_t c : all) {
        if (!typeable(c)) {
            ++plan.skipped;
            continue;
        }
        Keystroke stroke;
        if (const auto onLayout = layout.strokes.find(c); onLayout != layout.strokes.end()) {
            stroke = onLayout->second;
        } else if (const auto known = bound.find(c); known != bound.end()) {
            stroke = known->second;
        } else {
            if (keys == 0) {
                ++plan.skipped;
                continue;
            }
            if (bound.size() == keys * levels * SpareGroups) {
                plan.batches.emplace_back();
                bound.clear();
                firstKey = firstKey ? 0 : keys;
                keys = firstKey ? spare.size() - keys : spare.size() / 2;
            }
            const size_t slot = bound.size();
            const size_t level = slot / keys % levels;
            const int keyGroup = int(slot / keys / levels);
            std::vector<Binding>& bindings = plan.batches.back().bindings;
            if (slot < keys)
                bindings.push_back({spare[firstKey + slot], 1, {}});
            Binding& binding = bindings[slot % keys];
            binding.groups = std::max(binding.groups, keyGroup + 1);
            // Both levels, so no reader pairs a lone letter with its other case.
            binding.keysyms[keyGroup][level] = keysymForCharacter(c);
            if (level == 0)
                binding.keysyms[keyGroup][1] = keysymForCharacter(c);
            stroke = {binding.keycode, level == 1, false, keyGroup};
            bound.emplace(c, stroke);
        }
        press(plan.batches.back().events, group, stroke, layout);
        ++plan.batches.back().characters;
    }
    switchGroup(plan.batches.back().events, group, layout.group);
    return plan;
}

} // namespace pathwick::platform
