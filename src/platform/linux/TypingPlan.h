#pragma once

#include <QString>

#include <map>
#include <vector>

namespace pathwick::platform {

// Groups a spare key is bound with: the group is switched in the event stream, so a
// receiver reads it in order, unlike a mapping change, which it reads when it gets to it.
constexpr int SpareGroups = 4;

// One way to produce a character: its key, the levels it needs and its group (-1: the
// layout's own).
struct Keystroke {
    unsigned int keycode = 0;
    bool shift = false;
    bool level3 = false;
    int group = -1;
};

// The active layout as typing sees it.
struct KeyboardLayout {
    std::map<char32_t, Keystroke> strokes; // "\t" is Tab, "\n" is Return
    unsigned int shiftKeycode = 0;
    unsigned int level3Keycode = 0;          // 0 when the layout has no third level
    std::vector<unsigned int> spareKeycodes; // keys without symbols, free to bind
    int group = 0;                           // the active group
};

// A key press or release, or with a group of 0 or more, the switch to that group.
struct KeyEvent {
    unsigned int keycode = 0;
    bool press = false;
    int group = -1;
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// Keysyms bound to one spare key, per group the one typed plain and the one with Shift
// (the same one while only the first is used). No groups frees the key.
struct Binding {
    unsigned int keycode = 0;
    int groups = 0;
    unsigned long keysyms[SpareGroups][2] = {};
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
// spare keys, two per group and key: first the plain level of group 1 of every key, then
// the Shift level, then the next group. A text with more such characters than places
// binds the two halves of the spare keys in turn, a batch each: a batch never rebinds a
// key that its own events or those of the batch before use. The plan ends in the layout's
// group.
TypingPlan planTyping(const QString& text, const KeyboardLayout& layout);

// The keysym that stands for a character: Latin-1 by its code, anything else by the
// Unicode keysym range; Tab and Return for "\t" and "\n".
unsigned long keysymForCharacter(char32_t character);
// The character of a keysym for the layout table, 0 for keysyms that type no character.
char32_t characterForKeysym(unsigned long keysym);

} // namespace pathwick::platform
