#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The short name of a key number in the poller's messages: "A", "F1", "Left Shift", or the
// number itself for keys without a name.
QString KeyShortName(qint16 keyNumber);

// The hot key window's description of a key number: "27 = Escape key", or with shortString
// a short name of its own vocabulary ("Escape"); "Unknown 5" for keys without an entry.
QString LookupCode(qint16 keyNumber, bool shortString = false);

} // namespace pathwick::hotkeys
