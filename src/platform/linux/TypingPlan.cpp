#include "platform/linux/TypingPlan.h"

#include <X11/keysym.h>

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

void press(std::vector<KeyEvent>& events, const Keystroke& stroke, const KeyboardLayout& layout) {
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
    const size_t levels = layout.shiftKeycode ? 2 : 1;
    const size_t places = layout.spareKeycodes.size() * levels;
    std::map<char32_t, Keystroke> bound; // by the current batch
    for (char32_t c : characters(text)) {
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
            if (places == 0) {
                ++plan.skipped;
                continue;
            }
            if (bound.size() == places) {
                plan.batches.emplace_back();
                bound.clear();
            }
            const size_t slot = bound.size();
            const size_t level = slot / layout.spareKeycodes.size();
            const unsigned int keycode = layout.spareKeycodes[slot % layout.spareKeycodes.size()];
            std::vector<Binding>& bindings = plan.batches.back().bindings;
            // Both levels, so the server never pairs a lone letter with its other case.
            if (level == 0)
                bindings.push_back({keycode, {keysymForCharacter(c), keysymForCharacter(c)}});
            else
                bindings[slot % layout.spareKeycodes.size()].keysyms[1] = keysymForCharacter(c);
            stroke = {keycode, level == 1, false};
            bound.emplace(c, stroke);
        }
        press(plan.batches.back().events, stroke, layout);
        ++plan.batches.back().characters;
    }
    return plan;
}

} // namespace pathwick::platform
