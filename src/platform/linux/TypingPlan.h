#pragma once

#include <QString>

#include <map>
#include <vector>

namespace pathwick::platform {

// One way to produce a character on the active layout: its key and the levels it needs.
struct Keystroke {
    unsigned int keycode = 0;
    bool shift = false;
    bool level3 = false;
};

// The active layout as typing sees it.
struct KeyboardLayout {
    std::map<char32_t, Keystroke> strokes; // "\t" is Tab, "\n" is Return
    unsigned int shiftKeycode = 0;
    unsigned int level3Keycode = 0;          // 0 when the layout has no third level
    std::vector<unsigned int> spareKeycodes; // keys without symbols, free to bind
};

struct KeyEvent {
    unsigned int keycode = 0;
    bool press = false;
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// Keysyms bound to one spare key: the first typed plain, the second with Shift (the same
// one while only the first is used).
struct Binding {
    unsigned int keycode = 0;
    unsigned long keysyms[2] = {0, 0};
};

// Keys to bind, then the key events that type with them.
struct TypingBatch {
    std::vector<Binding> bindings;
    std::vector<KeyEvent> events;
    int characters = 0;
};

struct TypingPlan {
    std::vector<TypingBatch> batches;
    int skipped = 0; // control characters and broken surrogates, which no key types
};

// The keys that type text on a layout. CR LF, a lone CR and a lone LF are each one Return.
// Characters the layout has no plain, Shift, AltGr or Shift+AltGr key for are bound to
// spare keys, two per key; when the spare keys run out a new batch starts, whose bindings
// replace the last ones. A batch never rebinds a key its own events use.
TypingPlan planTyping(const QString& text, const KeyboardLayout& layout);

// The keysym that stands for a character: Latin-1 by its code, anything else by the
// Unicode keysym range; Tab and Return for "\t" and "\n".
unsigned long keysymForCharacter(char32_t character);
// The character of a keysym for the layout table, 0 for keysyms that type no character.
char32_t characterForKeysym(unsigned long keysym);

} // namespace pathwick::platform
