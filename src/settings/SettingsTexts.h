#pragma once

#include <QString>

// The texts the settings store shows the user, in their own namespace.
namespace pathwick::settings_texts {

// The store could not be read and was moved aside; the program runs on defaults.
QString storeMovedAside(const QString& storeFile, const QString& reason, const QString& movedTo);
// The store could not be read and could not be moved aside either.
QString storeNotMoved(const QString& storeFile, const QString& reason);
// The store cannot be opened at all (permissions, a folder in its place, ...).
QString storeUnavailable(const QString& storeFile, const QString& reason);

// The store opens but cannot be written (read-only file or folder).
QString storeReadOnly(const QString& storeFile);
// Why a database is not a store: it holds tables of another program.
QString otherLayout();

} // namespace pathwick::settings_texts
