#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The numeric reading of the key number box: its leading digits, 0 when there are none.
// Numbers too large for a key read as a number above every key (never valid).
int keyNumberOf(const QString& boxText);

// A hot key may be saved for 1 to 300, but not for Shift, Ctrl or Alt themselves (16-18).
bool isValidKeyNumber(int keyNumber);

// The arrow buttons step by one within 1 to 255; a step that leaves that range stops at its
// end, with the alarm.
struct KeyNumberStep {
    int number = 0;
    bool alarm = false;
};
KeyNumberStep stepKeyNumber(int keyNumber, bool up);

// Which controls of the hot key frame can be used for this key number box and the text of the
// selected type's box. Deleting and testing need a valid key and a text that is not blank;
// saving needs only a valid key, so an empty text can be saved.
struct HotKeyControls {
    bool modifiers = false;
    bool save = false;
    bool deleteAndTest = false;
    bool up = false;
    bool down = false;
};
HotKeyControls hotKeyControls(const QString& keyNumberText, const QString& boxText);

// Send texts are stored with CR LF line breaks, as typed on Windows; the send box shows LF.
QString storedSendText(const QString& boxText);
QString shownSendText(const QString& storedText);

} // namespace pathwick::hotkeys
