#pragma once

#include <QString>

namespace pathwick {

inline constexpr auto ProductName = "Pathwick";
inline constexpr auto MachineRoot = "HKEY_LOCAL_MACHINE";

// "SOFTWARE\Pathwick", the program's own key.
QString ProgramKey();

// Typed reads and writes of the program's values (root HKEY_LOCAL_MACHINE); reads give the
// default on any failure, writes ignore the result as every caller does.
bool readBool(const QString& keyPath, const QString& valueName, bool defaultValue);
void writeBool(const QString& keyPath, const QString& valueName, bool value);
qint32 readNumber(const QString& keyPath, const QString& valueName, qint32 defaultValue);
void writeNumber(const QString& keyPath, const QString& valueName, qint32 value);
QString readText(const QString& keyPath, const QString& valueName, const QString& defaultValue);
void writeText(const QString& keyPath, const QString& valueName, const QString& value);

} // namespace pathwick
