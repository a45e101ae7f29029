#pragma once

#include <QtGlobal>

namespace pathwick {

// Groups the store writes made while it lives into one transaction: commit() makes them
// lasting together; leaving the scope without commit() rolls all of them back. A crash or
// kill in between leaves the old values. Nested scopes join the outermost one; an inner
// scope left without commit() makes the whole group roll back. While the group cannot be
// kept whole (it could not start, or a part was given up), writes in it fail and change
// nothing. commit() tells whether the writes are kept (for an inner scope: still pending).
class SettingsTransaction {
public:
    SettingsTransaction();
    ~SettingsTransaction();
    SettingsTransaction(const SettingsTransaction&) = delete;
    SettingsTransaction& operator=(const SettingsTransaction&) = delete;

    bool commit();

private:
    quint64 generation_ = 0;
    bool owner_ = false;
    bool done_ = false;
    bool committed_ = false;
};

} // namespace pathwick
