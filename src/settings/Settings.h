#pragma once

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

namespace SettingResult {
constexpr int Success = 0;
constexpr int NotFound = 2;
constexpr int AccessDenied = 5;
constexpr int Failed = 99;
} // namespace SettingResult

// Separator between a listed name and its type letter.
constexpr QChar ListTypeSeparator = QChar(1);

quint32 RootKeyFromName(const QString& rootName);

// Type letters "S", "E", "M" (text), "B" (16-bit), "D" (32-bit), "Q" (64-bit). Value always
// receives Default first, so every failure leaves the caller's default.
int ReadSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                const QString& typeLetter, const QVariant& defaultValue, QVariant& value);
int WriteSetting(const QString& rootName, const QString& keyPath, const QString& valueName,
                 const QString& typeLetter, const QVariant& value);
int DeleteSetting(const QString& rootName, const QString& keyPath, const QString& valueName);
// Appends name [, \1, type letter], NUL per value and a final NUL; always ends in two NULs.
int ListSettings(const QString& rootName, const QString& keyPath, QString& list, bool withTypes);

} // namespace pathwick
