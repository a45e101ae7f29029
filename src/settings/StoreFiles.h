#pragma once

#include <QDateTime>
#include <QString>

namespace pathwick::store {

// Creates the store's folder (and missing parents) readable by the user only. Returns 0 or
// the errno of the failure.
int makeStoreFolder(const QString& storeFile);

// Creates the store file empty with mode 0600 unless it exists. Returns 0 or the errno.
int makeStoreFile(const QString& storeFile);

// Moves an unreadable store and its -wal and -shm companions aside to
// "<file>.corrupt-yyyy-MM-dd_HH-mm-ss" (with "-2", "-3", ... when taken); never replaces an
// existing file and never deletes anything. Returns the new path, or "" when it failed.
QString moveStoreAside(const QString& storeFile, const QDateTime& now);

} // namespace pathwick::store
