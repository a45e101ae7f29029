#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The messages of the hot key window that are put together from its state. keyShortName is
// LookupCode's short form of the key number.
QString modifierText(bool shift, bool ctrl, bool alt);
QString nothingToDeleteText(const QString& keyShortName, bool shift, bool ctrl, bool alt);
QString deleteQuestionText(const QString& keyShortName, bool shift, bool ctrl, bool alt,
                           bool sendType, const QString& boxText);
// "You can only drag one ... file here at a time." for the command box or the send box.
QString onlyOneFileText(bool sendBox);

} // namespace pathwick::hotkeys
