#pragma once

#include "settings/Catalogue.h"

#include <QString>

namespace pathwick {

// "SOFTWARE\Pathwick", the program's own key.
QString ProgramKey();

// Whether name is one of the program's own values of its key (catalogue::MainKeyValueNames),
// compared without regard to case as the store compares names.
bool isProgramValueName(const QString& name);

// Typed reads and writes of the program's values (root HKEY_LOCAL_MACHINE); reads give the
// default on any failure, writes ignore the result as every caller does.
// "B" as a Boolean: True is stored as -1, any non-zero value reads as true.
bool readBool(const QString& keyPath, const QString& valueName, bool defaultValue);
void writeBool(const QString& keyPath, const QString& valueName, bool value);
// "B" as a 16-bit number.
qint16 readSmallNumber(const QString& keyPath, const QString& valueName, qint16 defaultValue);
void writeSmallNumber(const QString& keyPath, const QString& valueName, qint16 value);
// "D".
qint32 readNumber(const QString& keyPath, const QString& valueName, qint32 defaultValue);
void writeNumber(const QString& keyPath, const QString& valueName, qint32 value);
// "S".
QString readText(const QString& keyPath, const QString& valueName, const QString& defaultValue);
void writeText(const QString& keyPath, const QString& valueName, const QString& value);

// The same for the values of the catalogue, with their catalogued key and default.
template <typename T> QString keyPathOf(const catalogue::ProgramValue<T>& value) {
    return ProgramKey() + QLatin1String(value.subKey);
}
bool read(const catalogue::Flag& value);
void write(const catalogue::Flag& value, bool setting);
qint16 read(const catalogue::SmallNumber& value);
void write(const catalogue::SmallNumber& value, qint16 setting);
qint32 read(const catalogue::Number& value);
void write(const catalogue::Number& value, qint32 setting);
QString read(const catalogue::Text& value);
void write(const catalogue::Text& value, const QString& setting);

} // namespace pathwick
