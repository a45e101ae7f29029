#pragma once

#include <QDateTime>
#include <QStringList>

namespace pathwick {

// The stored directory list: string values of the program's key with a non-blank name that
// is not one of the program's own value names, in store order, names untrimmed.
QStringList storedEntries();

// Why entry cannot be a list entry (see entryRefusal, and the names of the program's own
// values, which share the list's key); "" when it can.
QString listEntryRefusal(const QString& entry);

// Rewrites the stored list from items in one transaction: every string value (the unnamed
// stamp included) goes, the save stamp and one entry per non-blank trimmed item are
// written; items named like the program's own values are never written. Values of other
// types stay. A crash leaves the old list or the new one; false
// when the store did not take the new list (the old one is still there).
bool saveStoredEntries(const QStringList& items, const QDateTime& now);

// The text an entry's value holds: "5/12/2026, 1:45:44am - OFFICEPC (Linux)".
QString entryNote(const QDateTime& now);
// "Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am (Settings at ...)".
QString saveStamp(const QDateTime& now);
// What AllToList appends for newPath ("" when nothing is to be added).
QString pathForList(const QString& newPath);

} // namespace pathwick
