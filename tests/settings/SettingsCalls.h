#pragma once

#include "settings/Settings.h"

#include <QVariant>
#include <ostream>

namespace pathwick::test {

// The program's key, spelt out so that a wrong ProgramKey() shows.
inline const QString Key = QStringLiteral("SOFTWARE\\Pathwick");

// What one ReadSetting call gave: its result code and the value, of the same type (QVariant
// alone would take 7 and "7" for equal).
struct Read {
    int code;
    QVariant value;
    bool operator==(const Read& other) const {
        return code == other.code && value.metaType() == other.value.metaType() &&
               value == other.value;
    }
};

inline void PrintTo(const Read& read, std::ostream* out) {
    *out << "{" << read.code << ", " << read.value.typeName() << " "
         << read.value.toString().toStdString() << "}";
}

inline Read get(const QString& name, const QString& type, const QVariant& fallback = {},
                const QString& key = Key, const QString& root = QStringLiteral("HKLM")) {
    Read read{0, {}};
    read.code = ReadSetting(root, key, name, type, fallback, read.value);
    return read;
}

inline int put(const QString& name, const QString& type, const QVariant& value,
               const QString& key = Key) {
    return WriteSetting(QStringLiteral("HKLM"), key, name, type, value);
}

} // namespace pathwick::test
