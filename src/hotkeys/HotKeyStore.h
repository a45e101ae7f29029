#pragma once

#include "hotkeys/HotKeyName.h"

#include <QList>
#include <QString>

namespace pathwick::hotkeys {

// One text value of the hot key key, in the store's order, with its name read back.
struct StoredHotKey {
    QString name;
    HotKeyName key;
};

// The hot key table as the poller sees it; the store is the only copy, read afresh each time.
class HotKeyTable {
public:
    virtual ~HotKeyTable() = default;
    // The text values whose names give a key number; other types never act.
    virtual QList<StoredHotKey> entries() = 0;
    // The data of one value, "" when there is none.
    virtual QString data(const QString& name) = 0;
};

// The table in the settings store ("SOFTWARE\<product>\HotKeys").
class StoreHotKeyTable : public HotKeyTable {
public:
    QList<StoredHotKey> entries() override;
    QString data(const QString& name) override;
};

// The key path of the table, rebuilt from the product name on every call.
QString hotKeysKeyPath();

// ReadHotKeyValue: the stored data of a name, "" when there is none.
QString readHotKeyValue(const QString& name);
// Stores an entry: a command without surrounding blanks, a text exactly as given.
void writeHotKeyValue(const QString& name, HotKeyType type, const QString& data);
// Deleting a name that is not stored is not an error.
void deleteHotKeyValue(const QString& name);

// "HotKeysDefalutType" within 0 (command) and 1 (send).
HotKeyType readDefaultHotKeyType();
void writeDefaultHotKeyType(HotKeyType type);

} // namespace pathwick::hotkeys
