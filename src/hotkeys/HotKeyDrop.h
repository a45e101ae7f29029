#pragma once

#include <QString>
#include <QStringList>

namespace pathwick::hotkeys {

// What the command box (sendBox false) or the send box does with the files dropped on it:
// take a text, or refuse with a message.
struct HotKeyDropVerdict {
    bool accepted = false;
    QString text;    // the box's new text when accepted
    QString refusal; // the message when refused
};

// Exactly one file must be dropped. The command box takes its path; the send box takes the
// text of a ".txt" or ".dat" file that is not empty (and not larger than a record file may be).
HotKeyDropVerdict checkHotKeyDrop(bool sendBox, const QStringList& paths);

// The lines joined with CR LF; a break goes before a line only when text has been gathered,
// so leading empty lines are dropped and no break follows the last line.
QString joinDroppedLines(const QStringList& lines);

} // namespace pathwick::hotkeys
