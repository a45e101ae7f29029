#include "hotkeys/KeyNames.h"

#include <algorithm>
#include <array>

namespace pathwick::hotkeys {

namespace {

// One row per named key: the poller's short name, the window's long text (appended to the
// number) and the window's short name. Keys the window does not know have no window texts.
struct KeyName {
    int key;
    const char16_t* shortName;
    const char16_t* longText;
    const char16_t* lookupShort;
};

constexpr std::array keyNames = {
    KeyName{1, u"Mouse select", u" = Mouse select button", u"Mouse select"},
    KeyName{2, u"Mouse menu", u" = Mouse menu button", u"Mouse menu"},
    KeyName{3, u"Mouse adjust", u" = Mouse adjust button", u"Mouse adjust"},
    KeyName{4, u"Mouse wheel", u" = Mouse wheel click", u"Mouse whell"},
    KeyName{8, u"Backspace (delete)", u" = Backspace key (delete) <-", u"Backspace"},
    KeyName{9, u"Tab", u" = Tab key", u"Tab"},
    KeyName{13, u"Enter/Return", u" = Enter/Return key", u"Enter"},
    KeyName{16, u"Shift", u" = Shift key (Left and/or right key)", u"Shift"},
    KeyName{17, u"Ctrl", u" = Ctrl key (Left and/or right key)", u"Ctrl"},
    KeyName{18, u"Alt", u" = Alt key (Left and/or right alt-gr key)", u"Alt"},
    KeyName{20, u"Caps lock", u" = Caps lock key", u"Caps lock"},
    KeyName{27, u"Escape", u" = Escape key", u"Escape"},
    KeyName{32, u"Space bar", u" = Space bar", u"Space"},
    KeyName{33, u"Page up", u" = Page up Page upEscape", u"Page up"},
    KeyName{34, u"Page down", u" = Page down key", u"Page down"},
    KeyName{35, u"End", u" = End key", u"End"},
    KeyName{36, u"Home", u" = Home key", u"Home"},
    KeyName{37, u"Cursor left", u" = Left < cursor key", u"Cursor left"},
    KeyName{38, u"Cursor up", u" = Up ^ cursor key", u"Cursor up"},
    KeyName{39, u"Cursor right", u" = Righr > cursor key", u"Cursor right"},
    KeyName{40, u"Cursor down", u" = Down v cursor key", u"Cursor down"},
    KeyName{44, u"Print screen", u" = Print screen button", u"Print"},
    KeyName{45, u"Insert", u" = Insert key", u"Insert"},
    KeyName{46, u"Delete next character", u" = Forward delete key (Delete)", u"Delete"},
    KeyName{91, u"Windows left key", u" = Windows start left key", u"Windows (left)"},
    KeyName{92, u"Windows right key", u" = Windows start right key", u"Windows (right)"},
    KeyName{93, u"Menu key", u" = Windows menu key", u"Windows menu"},
    KeyName{95, u"Sleep button", u" = Sleep mode button", u"Sleep"},
    KeyName{106, u"* (Num keyboard)", u" = * (times) button (Number keyboard)", u"*"},
    KeyName{107, u"+ (Num keyboard)", u" = + button (Number keyboard)", u"+"},
    KeyName{109, u"- (Num keyboard)", u" = - button (Number keyboard)", u"-"},
    KeyName{110, u". (Dot on num keyboard)", u" = . (dot) button (Number keyboard)", u"."},
    KeyName{111, u"/ (Num keyboard)", u" = / button (Number keyboard)", u"/"},
    KeyName{144, u"Number lock", u" = Number Lock key", u"Number Lock"},
    KeyName{145, u"Scroll lock", u" = Scroll Lock key", u"Scroll Lock"},
    KeyName{160, u"Left Shift", u" = Left Shift key only", u"Left Shift"},
    KeyName{161, u"Right Shift", u" = Right Shift key only", u"Right Shift"},
    KeyName{162, u"Left Ctrl", u" = Left Ctrl key only", u"Left Ctrl"},
    KeyName{163, u"Right Ctrl", u" = Right Ctrl key only", u"Right Ctrl"},
    KeyName{164, u"Left Alt", u" = Left Alt only", u"Left Alt"},
    KeyName{165, u"Left Alt+Graphics", u" = Right Alt Graphics", u"Right Alt Gr."},
    KeyName{166, u"Above Escape/F1", nullptr, nullptr},
    KeyName{167, u"Above F1", nullptr, nullptr},
    KeyName{168, u"Above F3", nullptr, nullptr},
    KeyName{169, u"Above F2", nullptr, nullptr},
    KeyName{170, u"Above F5", nullptr, nullptr},
    KeyName{171, u"Above F6", nullptr, nullptr},
    KeyName{172, u"Above F3/F4", nullptr, nullptr},
    KeyName{173, u"Mute sound", nullptr, nullptr},
    KeyName{174, u"Volume down", nullptr, nullptr},
    KeyName{175, u"Volume up", nullptr, nullptr},
    KeyName{176, u"Next track", nullptr, nullptr},
    KeyName{177, u"Last track", nullptr, nullptr},
    KeyName{178, u"Stop", nullptr, nullptr},
    KeyName{179, u"Play/Pause", nullptr, nullptr},
    KeyName{180, u"Above F4/F5", nullptr, nullptr},
    KeyName{181, u"Above F7", nullptr, nullptr},
    KeyName{182, u"Above F8/F9", nullptr, nullptr},
    KeyName{183, u"Above F8", nullptr, nullptr},
    KeyName{186, u";/:", u" = ;/: key", u";"},
    KeyName{187, u"+/=", u" = +/=: key", u"="},
    KeyName{188, u"</,", u" = </,: key", u","},
    KeyName{189, u"-/_", u" = -/_ key", u"-"},
    KeyName{190, u">/.", u" = >/. key", u".;"},
    KeyName{191, u"?//", u" = //? key", u"/"},
    KeyName{192, u"@/'", u" = @/' key", u"@"},
    KeyName{219, u"{/[", u" = [/{ key", u"["},
    KeyName{220, u"\\/|", u" = \\/| key", u"\\"},
    KeyName{221, u"}/]", u" = ]/} key", u"];"},
    KeyName{222, u"#/~", u" = #/~ key", u"#;"},
    KeyName{223, u"`/\u00AC", u" = `/\u00AC key", u"`"},
    KeyName{255, u"Media", u" = Media Centre key", u"Media"},
};

const KeyName* namedKey(int key) {
    const auto found = std::find_if(keyNames.begin(), keyNames.end(),
                                    [key](const KeyName& row) { return row.key == key; });
    return found == keyNames.end() ? nullptr : &*found;
}

// The ranges named by rule rather than by row.
enum class Range { None, MainDigit, Letter, PadDigit, Function };

Range rangeOf(int key) {
    if (key >= 48 && key <= 57)
        return Range::MainDigit;
    if (key >= 65 && key <= 90)
        return Range::Letter;
    if (key >= 96 && key <= 105)
        return Range::PadDigit;
    if (key >= 112 && key <= 123)
        return Range::Function;
    return Range::None;
}

// The name every vocabulary gives a key of a range: its character, digit or F-number.
QString rangeName(Range range, int key) {
    switch (range) {
    case Range::MainDigit:
    case Range::Letter:
        return QString(QChar(key));
    case Range::PadDigit:
        return QString::number(key - 96);
    case Range::Function:
        return u'F' + QString::number(key - 111);
    case Range::None:
        break;
    }
    return {};
}

} // namespace

QString KeyShortName(qint16 keyNumber) {
    const Range range = rangeOf(keyNumber);
    if (range == Range::PadDigit)
        return rangeName(range, keyNumber) + QStringLiteral(" (Num keyboard)");
    if (range != Range::None)
        return rangeName(range, keyNumber);
    if (const KeyName* row = namedKey(keyNumber))
        return QString::fromUtf16(row->shortName);
    return QString::number(keyNumber);
}

QString LookupCode(qint16 keyNumber, bool shortString) {
    const QString n = QString::number(keyNumber);
    const Range range = rangeOf(keyNumber);
    const KeyName* row = namedKey(keyNumber);
    const bool known = range != Range::None || (row && row->longText);
    if (!known)
        return shortString ? QStringLiteral("Unknown ") + n
                           : n + QStringLiteral(" = Unknown key code ") + n +
                                 QStringLiteral(". May or may not exist on keyboard");
    if (shortString)
        return range != Range::None ? rangeName(range, keyNumber)
                                    : QString::fromUtf16(row->lookupShort);
    switch (range) {
    case Range::MainDigit:
        return n + QStringLiteral(" = Number ") + rangeName(range, keyNumber) +
               QStringLiteral(" button (Main keyboard)");
    case Range::Letter:
        return n + QStringLiteral(" = Letter ") + rangeName(range, keyNumber) +
               QStringLiteral(" button");
    case Range::PadDigit:
        return n + QStringLiteral(" = Number ") + rangeName(range, keyNumber) +
               QStringLiteral(" button (Number keyboard)");
    case Range::Function:
        return n + QStringLiteral(" = ") + rangeName(range, keyNumber) + QStringLiteral(" key");
    case Range::None:
        break;
    }
    return n + QString::fromUtf16(row->longText);
}

} // namespace pathwick::hotkeys
