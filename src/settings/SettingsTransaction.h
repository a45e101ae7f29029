#pragma once

namespace pathwick {

// Groups the store writes made while it lives into one transaction: commit() makes them
// lasting together; leaving the scope without commit() rolls all of them back. A crash or
// kill in between leaves the old values. Nested scopes join the outermost one.
class SettingsTransaction {
public:
    SettingsTransaction();
    ~SettingsTransaction();
    SettingsTransaction(const SettingsTransaction&) = delete;
    SettingsTransaction& operator=(const SettingsTransaction&) = delete;

    bool commit();

private:
    bool owner_ = false;
    bool done_ = false;
};

} // namespace pathwick
