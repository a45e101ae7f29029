#include "hotkeys/HotKeyStore.h"

#include "common/StringServices.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"

#include <algorithm>

namespace pathwick::hotkeys {

namespace {

constexpr auto TextType = u"S";

} // namespace

QList<StoredHotKey> StoreHotKeyTable::entries() {
    // Marked before the read: a write that comes between is seen at the next call.
    const std::optional<StoreMark> mark = storeMark();
    if (mark && mark == readAt_)
        return entries_;
    entries_.clear();
    for (const ListedValue& value : listValues(QLatin1String(MachineRoot), hotKeysKeyPath())) {
        if (value.type != TextType)
            continue;
        if (const std::optional<HotKeyName> key = parseHotKeyName(value.name))
            entries_.append({value.name, *key});
    }
    needsMouseButtons_ = hotkeys::needsMouseButtons(entries_);
    readAt_ = mark;
    return entries_;
}

bool StoreHotKeyTable::needsMouseButtons() {
    return needsMouseButtons_;
}

bool HotKeyTable::needsMouseButtons() {
    return hotkeys::needsMouseButtons(entries());
}

bool needsMouseButtons(const QList<StoredHotKey>& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const StoredHotKey& entry) {
        return entry.key.keyNumber >= 1 && entry.key.keyNumber <= 4;
    });
}

QString StoreHotKeyTable::data(const QString& name) {
    return readHotKeyValue(name);
}

QString hotKeysKeyPath() {
    return keyPathOf(catalogue::HotKeysDefaultType);
}

QString readHotKeyValue(const QString& name) {
    return readText(hotKeysKeyPath(), name, QLatin1String(catalogue::HotKeyEntryDefault));
}

void writeHotKeyValue(const QString& name, HotKeyType type, const QString& data) {
    writeText(hotKeysKeyPath(), name, type == HotKeyType::Command ? trimSpaces(data) : data);
}

void deleteHotKeyValue(const QString& name) {
    DeleteSetting(QLatin1String(MachineRoot), hotKeysKeyPath(), name);
}

HotKeyType readDefaultHotKeyType() {
    return read(catalogue::HotKeysDefaultType) >= 1 ? HotKeyType::Send : HotKeyType::Command;
}

void writeDefaultHotKeyType(HotKeyType type) {
    write(catalogue::HotKeysDefaultType, type == HotKeyType::Send ? 1 : 0);
}

} // namespace pathwick::hotkeys
