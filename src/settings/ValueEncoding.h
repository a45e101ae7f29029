#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace pathwick::store {

// Registry type codes, kept with every stored value.
namespace ValueType {
constexpr int String = 1;
constexpr int ExpandString = 2;
constexpr int Binary = 3;
constexpr int Number32 = 4;
constexpr int MultiString = 7;
constexpr int Number64 = 11;
} // namespace ValueType

enum class Letter { String, ExpandString, MultiString, Binary, Number32, Number64, Other };

// "S", "E", "M", "B", "D", "Q" in any case; everything else is Other.
Letter letterFromText(const QString& typeLetter);
int typeCodeOf(Letter letter);
// The letter a listing shows for a stored type code; unknown codes as their decimal number.
QString listingLetter(int typeCode);

struct EncodedValue {
    int type = 0;
    QByteArray data;
};

// The bytes the registry would store: texts as UTF-8 plus one zero byte, numbers as 2, 4 or
// 8 little-endian bytes (a Boolean True as -1). Nothing when the value does not convert or
// does not fit (a text holding a lone surrogate has no exact bytes); never for Other.
std::optional<EncodedValue> encodeValue(Letter letter, const QVariant& value);

// UTF-8 bytes as text, a leading U+FEFF included (QString::fromUtf8 drops it as a mark).
QString textFromUtf8(QByteArrayView bytes);

// Reads stored bytes as the letter asks, whatever type they were stored with: a text from
// the bytes without their terminating zero; a number from the first 2, 4 or 8 bytes (missing
// bytes count as zero). "B" and "D" give an int, "Q" a qint64.
QVariant decodeValue(Letter letter, const QByteArray& data);

} // namespace pathwick::store
