#pragma once

#include <QString>

#include <optional>

namespace pathwick::hotkeys {

// What a stored hot key does.
enum class HotKeyType { None, Command, Send };

// The Shift, Ctrl and Alt state a hot key asks for.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const Modifiers&, const Modifiers&) = default;
};

// A stored value name read back: the key number it begins with and the suffixes it holds.
struct HotKeyName {
    qint16 keyNumber = 0;
    bool command = false;
    bool send = false;
    Modifiers modifiers;
    friend bool operator==(const HotKeyName&, const HotKeyName&) = default;
};

// The value name of a hot key: the key number text without surrounding blanks (not
// normalised: "065" stays), the type suffix, then "_Shift", "_Ctrl", "_Alt" as set.
QString composeHotKeyName(const QString& keyNumberText, HotKeyType type, Modifiers modifiers);

// Reads a value name back. The key number is the number the name begins with (0 when it
// begins with none); each suffix counts wherever it stands, letter case exact. A name
// whose number does not fit a 16-bit key number names no key and gives nothing.
std::optional<HotKeyName> parseHotKeyName(const QString& name);

// The number a text begins with, read as a general number is read: blanks anywhere are
// skipped, a sign, digits, a fraction and an exponent (or &H / &O with hex or octal digits)
// are taken up to the first character that cannot continue it, and the result is rounded
// to a whole number. Nothing when it does not fit a 16-bit signed number.
std::optional<qint16> leadingKeyNumber(const QString& text);

} // namespace pathwick::hotkeys
