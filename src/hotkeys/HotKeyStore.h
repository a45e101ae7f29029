#pragma once

#include "hotkeys/HotKeyName.h"
#include "settings/StoreMark.h"

#include <QList>
#include <QString>

#include <optional>

namespace pathwick::hotkeys {

// One text value of the hot key key, in the store's order, with its name read back.
struct StoredHotKey {
    QString name;
    HotKeyName key;
};

// The hot key table as the poller sees it.
class HotKeyTable {
public:
    virtual ~HotKeyTable() = default;
    // The text values whose names give a key number; other types never act.
    virtual QList<StoredHotKey> entries() = 0;
    // The data of one value, "" when there is none.
    virtual QString data(const QString& name) = 0;
    // Whether an entry asks for a mouse key, so the look at the keyboard must include them.
    virtual bool needsMouseButtons();
};

// The table in the settings store ("SOFTWARE\<product>\HotKeys"). The entries are kept
// between calls and read again only when the store's mark has changed: after any write of
// this process (the hot key window, an import) or a commit of another connection. Data is
// always read from the store.
class StoreHotKeyTable : public HotKeyTable {
public:
    QList<StoredHotKey> entries() override;
    QString data(const QString& name) override;
    // Of the entries last read, worked out once per read.
    bool needsMouseButtons() override;

private:
    std::optional<StoreMark> readAt_;
    QList<StoredHotKey> entries_;
    bool needsMouseButtons_ = false;
};

// Whether an entry asks for a mouse key (1-4).
bool needsMouseButtons(const QList<StoredHotKey>& entries);

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
