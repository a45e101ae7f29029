#include "settings/Settings.h"

#include "settings/StoreConnection.h"
#include "settings/SystemValues.h"
#include "settings/ValueEncoding.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace pathwick {

using store::Connection;
using store::Letter;
using store::Query;
using store::StatementUse;

namespace {

struct RootName {
    const char* longName;
    const char* shortName;
    quint32 root;
};

constexpr RootName RootNames[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", RootKey::ClassesRoot},
    {"HKEY_CURRENT_USER", "HKCU", RootKey::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RootKey::LocalMachine},
    {"HKEY_USERS", "HKU", RootKey::Users},
    {"HKEY_CURRENT_CONFIG", "HKCC", RootKey::CurrentConfig},
    {"HKEY_DYN_DATA", "HKDD", RootKey::DynData},
};

// INI files are recognised, so that a file path never passes for a root, but not served:
// nothing in the program stores settings in them, and a second storage format would go
// around the store's transactions and locking. The operations give 99 and callers keep their
// defaults.
bool isStoreRoot(quint32 root) {
    return root != RootKey::Unrecognised && root != RootKey::IniFile;
}

// Key paths and names compare as the registry compares them: without regard to case, for
// every script (SQLite's NOCASE folds ASCII only).
QString folded(const QString& text) {
    return text.toCaseFolded();
}

QStringView trimmedSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

// A name as the listing shows it: zero characters removed, then spaces trimmed.
void appendListedName(QString& listing, const QString& name) {
    if (!name.contains(QChar(0))) {
        listing += trimmedSpaces(name);
        return;
    }
    QString cleaned = name;
    cleaned.remove(QChar(0));
    listing += trimmedSpaces(cleaned);
}

struct KeyLookup {
    int code;
    qint64 id;
};

KeyLookup findKey(quint32 root, const QString& foldedPath) {
    StatementUse query(Query::FindKey);
    query.bind(1, qint64(root));
    query.bind(2, foldedPath);
    const int rc = query.step();
    if (rc == SQLITE_ROW)
        return {SettingResult::Success, query.integer(0)};
    if (rc == SQLITE_DONE)
        return {SettingResult::NotFound, 0};
    return {store::resultFromSqlite(rc), 0};
}

KeyLookup insertKey(quint32 root, const QString& path) {
    StatementUse query(Query::InsertKey);
    query.bind(1, qint64(root));
    query.bind(2, folded(path));
    query.bind(3, path);
    const int rc = query.step();
    if (rc == SQLITE_ROW)
        return {SettingResult::Success, query.integer(0)};
    return {store::resultFromSqlite(rc == SQLITE_DONE ? SQLITE_ERROR : rc), 0};
}

// Creates the key and, as the registry does, every missing key above it.
KeyLookup createKey(quint32 root, const QString& keyPath) {
    KeyLookup key = findKey(root, folded(keyPath));
    if (key.code != SettingResult::NotFound)
        return key;
    qsizetype from = 0;
    for (;;) {
        const qsizetype slash = keyPath.indexOf(QLatin1Char('\\'), from);
        const QString path = slash < 0 ? keyPath : keyPath.left(slash);
        from = slash + 1;
        if (slash >= 0 && (path.isEmpty() || path.endsWith(QLatin1Char('\\'))))
            continue;
        key = findKey(root, folded(path));
        if (key.code == SettingResult::NotFound)
            key = insertKey(root, path);
        if (key.code != SettingResult::Success || slash < 0)
            return key;
    }
}

int stepToEnd(StatementUse& statement) {
    const int rc = statement.step();
    return rc == SQLITE_DONE ? SettingResult::Success : store::resultFromSqlite(rc);
}

bool exact(const QString& text) {
    return QStringView(text).isValidUtf16();
}

int upsertValue(qint64 keyId, const QString& valueName, const store::EncodedValue& encoded) {
    StatementUse query(Query::UpsertValue);
    query.bind(1, keyId);
    query.bind(2, folded(valueName));
    query.bind(3, valueName);
    query.bind(4, qint64(encoded.type));
    query.bind(5, encoded.data);
    return stepToEnd(query);
}

} // namespace

quint32 RootKeyFromName(const QString& rootName) {
    const QString upper = rootName.toUpper();
    for (const RootName& name : RootNames)
        if (upper == QLatin1String(name.longName) || upper == QLatin1String(name.shortName))
            return name.root;
    if (!rootName.isEmpty() && QFileInfo(rootName).isFile())
        return RootKey::IniFile;
    return RootKey::Unrecognised;
}

int ReadSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                const QString& typeLetter, const QVariant& defaultValue, QVariant& value) {
    value = defaultValue;
    const quint32 root = RootKeyFromName(rootName);
    if (!isStoreRoot(root) || !exact(keyPath) || !exact(valueName))
        return SettingResult::Failed;
    const Letter letter = store::letterFromText(typeLetter);
    int code = Connection::instance().ensureOpen();
    if (letter == Letter::Other)
        return code != SettingResult::Success ? code : findKey(root, folded(keyPath)).code;

    QByteArray data;
    if (code == SettingResult::Success) {
        StatementUse query(Query::FindValue);
        query.bind(1, qint64(root));
        query.bind(2, folded(keyPath));
        query.bind(3, folded(valueName));
        const int rc = query.step();
        if (rc == SQLITE_ROW)
            data = query.blob(0);
        else
            code = rc == SQLITE_DONE ? SettingResult::NotFound : store::resultFromSqlite(rc);
    }
    if (code != SettingResult::Success) {
        const auto system = store::systemValue(root, keyPath, valueName);
        if (!system)
            return code;
        data = system->data;
    }
    value = store::decodeValue(letter, data);
    return SettingResult::Success;
}

int WriteSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                 const QString& typeLetter, const QVariant& value) {
    const quint32 root = RootKeyFromName(rootName);
    if (!isStoreRoot(root) || !exact(keyPath) || !exact(valueName))
        return SettingResult::Failed;
    const Letter letter = store::letterFromText(typeLetter);
    std::optional<store::EncodedValue> encoded;
    if (letter != Letter::Other) {
        encoded = store::encodeValue(letter, value);
        if (!encoded)
            return SettingResult::Failed;
    }
    return Connection::instance().write([&] {
        const KeyLookup key = createKey(root, keyPath);
        if (key.code != SettingResult::Success || !encoded)
            return key.code;
        return upsertValue(key.id, valueName, *encoded);
    });
}

int DeleteSetting(const QString& rootName, const QString& keyPath, const QString& valueName) {
    const quint32 root = RootKeyFromName(rootName);
    if (!isStoreRoot(root) || !exact(keyPath) || !exact(valueName))
        return SettingResult::Failed;
    return Connection::instance().write([&] {
        const KeyLookup key = findKey(root, folded(keyPath));
        if (key.code != SettingResult::Success)
            return key.code == SettingResult::NotFound ? SettingResult::Success : key.code;
        StatementUse query(Query::DeleteValue);
        query.bind(1, key.id);
        query.bind(2, folded(valueName));
        return stepToEnd(query);
    });
}

int ListSettings(const QString& rootName, const QString& keyPath, QString& list, bool withTypes) {
    const quint32 root = RootKeyFromName(rootName);
    if (!isStoreRoot(root) || !exact(keyPath))
        return SettingResult::Failed;
    if (const int code = Connection::instance().ensureOpen())
        return code;
    const KeyLookup key = findKey(root, folded(keyPath));
    if (key.code != SettingResult::Success)
        return key.code;

    QString listing;
    StatementUse query(Query::ListValues);
    query.bind(1, key.id);
    int rc;
    while ((rc = query.step()) == SQLITE_ROW) {
        appendListedName(listing, query.text(0));
        if (withTypes) {
            listing += ListTypeSeparator;
            listing += store::listingLetter(int(query.integer(1)));
        }
        listing += QChar(0);
    }
    if (rc != SQLITE_DONE)
        return store::resultFromSqlite(rc);
    listing += QChar(0);
    if (listing.size() == 1)
        listing += QChar(0);
    list += listing;
    return SettingResult::Success;
}

int RewriteSettings(const QString& rootName, const QString& keyPath, RewriteRemoves removes,
                    const QList<SettingValue>& values) {
    const quint32 root = RootKeyFromName(rootName);
    if (!isStoreRoot(root) || !exact(keyPath))
        return SettingResult::Failed;
    // Everything is converted before the store is touched.
    QList<store::EncodedValue> encoded;
    encoded.reserve(values.size());
    for (const SettingValue& value : values) {
        const Letter letter = store::letterFromText(value.typeLetter);
        auto bytes =
            letter == Letter::Other ? std::nullopt : store::encodeValue(letter, value.value);
        if (!bytes || !exact(value.name))
            return SettingResult::Failed;
        encoded.append(*bytes);
    }
    return Connection::instance().write([&] {
        const KeyLookup key = createKey(root, keyPath);
        if (key.code != SettingResult::Success)
            return key.code;
        if (removes == RewriteRemoves::Texts) {
            StatementUse query(Query::DeleteValuesOfType);
            query.bind(1, key.id);
            query.bind(2, qint64(store::ValueType::String));
            if (const int code = stepToEnd(query))
                return code;
        }
        for (qsizetype i = 0; i < values.size(); ++i)
            if (const int code = upsertValue(key.id, values.at(i).name, encoded.at(i)))
                return code;
        return SettingResult::Success;
    });
}

} // namespace pathwick
