#include "settings/ProgramSettings.h"

#include "settings/Settings.h"

namespace pathwick {

namespace {

QVariant readValue(const QString& keyPath, const QString& valueName, const char* typeLetter,
                   const QVariant& defaultValue) {
    QVariant value;
    ReadSetting(QLatin1String(MachineRoot), keyPath, valueName, QLatin1String(typeLetter),
                defaultValue, value);
    return value;
}

void writeValue(const QString& keyPath, const QString& valueName, const char* typeLetter,
                const QVariant& value) {
    WriteSetting(QLatin1String(MachineRoot), keyPath, valueName, QLatin1String(typeLetter), value);
}

} // namespace

QString ProgramKey() {
    return QStringLiteral("SOFTWARE\\") + QLatin1String(ProductName);
}

bool isProgramValueName(const QString& name) {
    for (const char* own : catalogue::MainKeyValueNames)
        if (name.compare(QLatin1String(own), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool readBool(const QString& keyPath, const QString& valueName, bool defaultValue) {
    return readValue(keyPath, valueName, "B", defaultValue ? -1 : 0).toInt() != 0;
}

void writeBool(const QString& keyPath, const QString& valueName, bool value) {
    writeValue(keyPath, valueName, "B", value);
}

qint16 readSmallNumber(const QString& keyPath, const QString& valueName, qint16 defaultValue) {
    return qint16(readValue(keyPath, valueName, "B", int(defaultValue)).toInt());
}

void writeSmallNumber(const QString& keyPath, const QString& valueName, qint16 value) {
    writeValue(keyPath, valueName, "B", int(value));
}

qint32 readNumber(const QString& keyPath, const QString& valueName, qint32 defaultValue) {
    return readValue(keyPath, valueName, "D", defaultValue).toInt();
}

void writeNumber(const QString& keyPath, const QString& valueName, qint32 value) {
    writeValue(keyPath, valueName, "D", value);
}

QString readText(const QString& keyPath, const QString& valueName, const QString& defaultValue) {
    return readValue(keyPath, valueName, "S", defaultValue).toString();
}

void writeText(const QString& keyPath, const QString& valueName, const QString& value) {
    writeValue(keyPath, valueName, "S", value);
}

bool read(const catalogue::Flag& value) {
    return readBool(keyPathOf(value), QLatin1String(value.name), value.defaultValue);
}

void write(const catalogue::Flag& value, bool setting) {
    writeBool(keyPathOf(value), QLatin1String(value.name), setting);
}

qint16 read(const catalogue::SmallNumber& value) {
    return readSmallNumber(keyPathOf(value), QLatin1String(value.name), value.defaultValue);
}

void write(const catalogue::SmallNumber& value, qint16 setting) {
    writeSmallNumber(keyPathOf(value), QLatin1String(value.name), setting);
}

qint32 read(const catalogue::Number& value) {
    return readNumber(keyPathOf(value), QLatin1String(value.name), value.defaultValue);
}

void write(const catalogue::Number& value, qint32 setting) {
    writeNumber(keyPathOf(value), QLatin1String(value.name), setting);
}

QString read(const catalogue::Text& value) {
    return readText(keyPathOf(value), QLatin1String(value.name),
                    QString::fromUtf8(value.defaultValue));
}

void write(const catalogue::Text& value, const QString& setting) {
    writeText(keyPathOf(value), QLatin1String(value.name), setting);
}

} // namespace pathwick
