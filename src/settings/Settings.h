#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace pathwick {

// Root handles as the registry numbers them; 1 marks an INI file, 0 an unrecognised name.
namespace RootKey {
constexpr quint32 Unrecognised = 0;
constexpr quint32 IniFile = 1;
constexpr quint32 ClassesRoot = 0x80000000;
constexpr quint32 CurrentUser = 0x80000001;
constexpr quint32 LocalMachine = 0x80000002;
constexpr quint32 Users = 0x80000003;
constexpr quint32 CurrentConfig = 0x80000005;
constexpr quint32 DynData = 0x80000006;
} // namespace RootKey

// Result codes as the registry numbers them; 99 when nothing reached the store.
namespace SettingResult {
constexpr int Success = 0;
constexpr int NotFound = 2;
constexpr int AccessDenied = 5; // read-only or unreadable file, no permission
constexpr int DiskFull = 112;
constexpr int Busy = 170;          // another copy held the store past the busy timeout
constexpr int StoreCorrupt = 1009; // damage found while running
constexpr int StoreFailed = 1016;  // any other failure of the store
constexpr int Failed = 99;
} // namespace SettingResult

// Separator between a listed name and its type letter.
constexpr QChar ListTypeSeparator = QChar(1);

// Texts holding a lone UTF-16 surrogate have no exact bytes: every operation refuses them
// (as key path, value name or text value) with Failed and touches nothing.

// Root names and their short forms, in any case. The path of an existing file gives IniFile;
// the operations refuse it with 99, as INI files are not supported.
quint32 RootKeyFromName(const QString& rootName);

// Type letters "S", "E", "M" (text), "B" (16-bit), "D" (32-bit), "Q" (64-bit). Value always
// receives Default first, so every failure leaves the caller's default. Reads interpret the
// stored bytes as the letter asks; "B" and "D" give an int, "Q" a qint64, texts a QString.
// A read of another letter reads nothing and gives 0 when the key exists.
int ReadSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                const QString& typeLetter, const QVariant& defaultValue, QVariant& value);
// Creates the key path when missing. Numbers take Booleans (True = -1), whole numbers and
// number texts; a value that does not convert or does not fit gives 99 and writes nothing.
int WriteSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                 const QString& typeLetter, const QVariant& value);
// Deleting a value or key that is not there succeeds.
int DeleteSetting(const QString& rootName, const QString& keyPath, const QString& valueName);
// Appends name [, \1, type letter], NUL per value, in the order first written, and a final
// NUL; always ends in two NULs. Names lose zero characters and surrounding spaces. A missing
// key gives 2 and leaves list unchanged.
int ListSettings(const QString& rootName, const QString& keyPath, QString& list, bool withTypes);

// One value of a rewrite: written as WriteSetting(rootName, keyPath, name, typeLetter, value).
struct SettingValue {
    QString name;
    QString typeLetter;
    QVariant value;
};

// What a rewrite removes before it writes: nothing, or every text value ("S") of the key,
// the unnamed one included.
enum class RewriteRemoves { Nothing, Texts };

// The one way to replace a set of values (save or import of a list or a table): removes,
// then writes values in order, all in one transaction. A value that does not convert or a
// write that fails undoes the whole rewrite and gives its code; a crash or kill leaves the
// old set or the new one. Inside a running SettingsTransaction a failure fails that group.
int RewriteSettings(const QString& rootName, const QString& keyPath, RewriteRemoves removes,
                    const QList<SettingValue>& values);

} // namespace pathwick
