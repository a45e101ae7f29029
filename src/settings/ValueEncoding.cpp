#include "settings/ValueEncoding.h"

#include <QStringDecoder>
#include <QtEndian>

#include <cmath>
#include <limits>

namespace pathwick::store {

namespace {

// Whole-number conversion as the original callers expect it: True is -1, fractions round
// half to even, texts are parsed; out-of-range values do not convert.
std::optional<qint64> toWholeNumber(const QVariant& value, qint64 lowest, qint64 highest) {
    std::optional<double> fraction;
    std::optional<qint64> whole;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        whole = 0;
        break;
    case QMetaType::Bool:
        whole = value.toBool() ? -1 : 0;
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        fraction = value.toDouble();
        break;
    case QMetaType::ULongLong:
    case QMetaType::ULong: {
        const quint64 big = value.toULongLong();
        if (big > quint64(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        whole = qint64(big);
        break;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qint64 parsed = text.toLongLong(&ok);
        if (ok) {
            whole = parsed;
            break;
        }
        const double number = text.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        fraction = number;
        break;
    }
    default: {
        bool ok = false;
        const qint64 converted = value.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        whole = converted;
    }
    }
    if (fraction) {
        if (!std::isfinite(*fraction))
            return std::nullopt;
        const double rounded = std::nearbyint(*fraction);
        // 2^63 is exactly representable; anything at or beyond it does not fit.
        if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0)
            return std::nullopt;
        whole = qint64(rounded);
    }
    if (*whole < lowest || *whole > highest)
        return std::nullopt;
    return whole;
}

std::optional<QString> toText(const QVariant& value) {
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::Bool)
        return QString::fromLatin1(value.toBool() ? "True" : "False");
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

template <typename T> QByteArray littleEndian(T number) {
    QByteArray bytes(sizeof(T), Qt::Uninitialized);
    qToLittleEndian(number, bytes.data());
    return bytes;
}

template <typename T> T fromFirstBytes(const QByteArray& data) {
    unsigned char bytes[sizeof(T)] = {};
    for (qsizetype i = 0; i < qsizetype(sizeof(T)) && i < data.size(); ++i)
        bytes[i] = static_cast<unsigned char>(data[i]);
    return qFromLittleEndian<T>(bytes);
}

QString textOf(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    if (data.endsWith('\0'))
        return textFromUtf8(QByteArrayView(data).chopped(1));
    // Stored without a terminator: the last character stands in for it.
    QString text = textFromUtf8(data);
    text.chop(text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1);
    return text;
}

} // namespace

QString textFromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

Letter letterFromText(const QString& typeLetter) {
    if (typeLetter.size() != 1)
        return Letter::Other;
    switch (typeLetter.at(0).toUpper().unicode()) {
    case 'S':
        return Letter::String;
    case 'E':
        return Letter::ExpandString;
    case 'M':
        return Letter::MultiString;
    case 'B':
        return Letter::Binary;
    case 'D':
        return Letter::Number32;
    case 'Q':
        return Letter::Number64;
    default:
        return Letter::Other;
    }
}

int typeCodeOf(Letter letter) {
    switch (letter) {
    case Letter::String:
        return ValueType::String;
    case Letter::ExpandString:
        return ValueType::ExpandString;
    case Letter::MultiString:
        return ValueType::MultiString;
    case Letter::Binary:
        return ValueType::Binary;
    case Letter::Number32:
        return ValueType::Number32;
    case Letter::Number64:
        return ValueType::Number64;
    case Letter::Other:
        break;
    }
    return 0;
}

QString listingLetter(int typeCode) {
    switch (typeCode) {
    case ValueType::String:
        return QStringLiteral("S");
    case ValueType::ExpandString:
        return QStringLiteral("E");
    case ValueType::Binary:
        return QStringLiteral("B");
    case ValueType::Number32:
        return QStringLiteral("D");
    case ValueType::MultiString:
        return QStringLiteral("M");
    case ValueType::Number64:
        return QStringLiteral("Q");
    default:
        return QString::number(typeCode);
    }
}

std::optional<EncodedValue> encodeValue(Letter letter, const QVariant& value) {
    const int type = typeCodeOf(letter);
    switch (letter) {
    case Letter::String:
    case Letter::ExpandString:
    case Letter::MultiString: {
        const std::optional<QString> text = toText(value);
        if (!text || !QStringView(*text).isValidUtf16())
            return std::nullopt;
        QByteArray data = text->toUtf8();
        data.append('\0');
        return EncodedValue{type, data};
    }
    case Letter::Binary: {
        const auto number = toWholeNumber(value, std::numeric_limits<qint16>::min(),
                                          std::numeric_limits<qint16>::max());
        if (!number)
            return std::nullopt;
        return EncodedValue{type, littleEndian(qint16(*number))};
    }
    case Letter::Number32: {
        const auto number = toWholeNumber(value, std::numeric_limits<qint32>::min(),
                                          std::numeric_limits<qint32>::max());
        if (!number)
            return std::nullopt;
        return EncodedValue{type, littleEndian(qint32(*number))};
    }
    case Letter::Number64: {
        const auto number = toWholeNumber(value, std::numeric_limits<qint64>::min(),
                                          std::numeric_limits<qint64>::max());
        if (!number)
            return std::nullopt;
        return EncodedValue{type, littleEndian(*number)};
    }
    case Letter::Other:
        break;
    }
    return std::nullopt;
}

QVariant decodeValue(Letter letter, const QByteArray& data) {
    switch (letter) {
    case Letter::String:
    case Letter::ExpandString:
    case Letter::MultiString:
        return textOf(data);
    case Letter::Binary:
        return int(fromFirstBytes<qint16>(data));
    case Letter::Number32:
        return int(fromFirstBytes<qint32>(data));
    case Letter::Number64:
        return qint64(fromFirstBytes<qint64>(data));
    case Letter::Other:
        break;
    }
    return {};
}

} // namespace pathwick::store
