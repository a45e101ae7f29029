#pragma once

#include "hotkeys/HotKeyStore.h"
#include "platform/KeyState.h"

#include <QString>

#include <functional>

namespace pathwick::hotkeys {

// What one poll of the keyboard decided.
struct TickDecision {
    enum class Action { Nothing, Run, Send, Conflict };
    Action action = Action::Nothing;
    QString keyName; // of the entry that fired last in this tick
    QString command; // as stored
    QString text;    // as stored, before token expansion
    // The name to remember: the entry that fired, the one remembered before while a
    // configured combination stays down, or "" once none is.
    QString lastFired;
};

// Whether exactly this combination is down: its key, and Shift, Ctrl and Alt as it asks.
bool combinationHeld(const HotKeyName& key, const platform::KeySnapshot& keys);

// Goes through the table in stored order. An entry matches when its key and exactly its
// Shift, Ctrl and Alt are down; a match sets the "combination down" mark, and fires unless
// it is the entry remembered from an earlier tick. Data is read only for entries that fire;
// later ones overwrite earlier ones of the same type. A command that is blank after trimming
// and an empty text do nothing.
TickDecision decideTick(const QList<StoredHotKey>& entries, const platform::KeySnapshot& keys,
                        const QString& lastFired,
                        const std::function<QString(const QString&)>& readData);

// The message shown for a decision, with its full title.
struct TickMessage {
    bool exclamation = false;
    QString title;
    QString text;
};
// The command and send texts share a key: what both are, cut to fit.
TickMessage conflictMessage(const QString& keyName, const QString& command, const QString& text);
// The command could not be started.
TickMessage cantFindMessage(const QString& command);
// Test mode: what would be run, and what would be typed after expansion.
TickMessage runTestMessage(const QString& keyName, const QString& command);
TickMessage sendTestMessage(const QString& keyName, const QString& expandedText);

// One way to start a command: what to open and the parameters to give it.
struct Launch {
    QString target;
    QString parameters;
    friend bool operator==(const Launch&, const Launch&) = default;
};
// What to try, in order, until one starts: the whole command without surrounding blanks (a
// path with blanks, a URL), then its first argument as the program and the rest as its
// parameters. Nothing is ever run through a shell.
QList<Launch> launchAttempts(const QString& command);

// The text of a send entry could not be typed, and why.
TickMessage notTypedMessage(bool keysHeld);

// "beep" in any letter case, with blanks around it, plays the alarm instead of a command.
bool isBeep(const QString& command);

} // namespace pathwick::hotkeys
