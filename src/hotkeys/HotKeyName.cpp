#include "hotkeys/HotKeyName.h"

#include "common/StringServices.h"

#include <cmath>
#include <limits>

namespace pathwick::hotkeys {

namespace {

constexpr auto CommandSuffix = u"_Command";
constexpr auto SendSuffix = u"_Send";
constexpr auto ShiftSuffix = u"_Shift";
constexpr auto CtrlSuffix = u"_Ctrl";
constexpr auto AltSuffix = u"_Alt";

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The characters of a text with the blanks left out, as the numeric reading sees them.
QString withoutBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            out += c;
    return out;
}

std::optional<qint16> fitting(double value) {
    // Halves go to the even neighbour, as whole-number conversion rounds them.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isAsciiDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

std::optional<qint16> radixNumber(QStringView digits, int radix) {
    qint64 value = 0;
    for (QChar c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
        if (value > 0xFFFF)
            return std::nullopt;
    }
    // Hex and octal texts are 16-bit patterns: &HFFFF is -1.
    return static_cast<qint16>(static_cast<quint16>(value));
}

qsizetype skipDigits(const QString& s, qsizetype at) {
    while (at < s.size() && isAsciiDigit(s.at(at)))
        ++at;
    return at;
}

} // namespace

QString composeHotKeyName(const QString& keyNumberText, HotKeyType type, Modifiers modifiers) {
    QString name = trimSpaces(keyNumberText);
    if (type == HotKeyType::Command)
        name += CommandSuffix;
    if (type == HotKeyType::Send)
        name += SendSuffix;
    if (modifiers.shift)
        name += ShiftSuffix;
    if (modifiers.ctrl)
        name += CtrlSuffix;
    if (modifiers.alt)
        name += AltSuffix;
    return name;
}

std::optional<HotKeyName> parseHotKeyName(const QString& name) {
    const std::optional<qint16> keyNumber = leadingKeyNumber(name);
    if (!keyNumber)
        return std::nullopt;
    HotKeyName parsed;
    parsed.keyNumber = *keyNumber;
    parsed.command = name.contains(CommandSuffix);
    parsed.send = name.contains(SendSuffix);
    parsed.modifiers = {name.contains(ShiftSuffix), name.contains(CtrlSuffix),
                        name.contains(AltSuffix)};
    return parsed;
}

std::optional<qint16> leadingKeyNumber(const QString& text) {
    const QString s = withoutBlanks(text);
    if (s.startsWith(u"&H", Qt::CaseInsensitive))
        return radixNumber(QStringView(s).mid(2), 16);
    if (s.startsWith(u"&O", Qt::CaseInsensitive))
        return radixNumber(QStringView(s).mid(2), 8);

    qsizetype end = 0;
    if (end < s.size() && (s.at(end) == u'+' || s.at(end) == u'-'))
        ++end;
    const qsizetype whole = end;
    end = skipDigits(s, end);
    bool anyDigit = end > whole;
    if (end < s.size() && s.at(end) == u'.') {
        const qsizetype fraction = end + 1;
        end = skipDigits(s, fraction);
        anyDigit = anyDigit || end > fraction;
    }
    if (!anyDigit)
        return 0;
    QString number = s.left(end);
    // An exponent counts only when digits follow it ("1e" is 1; "1d2" is 100).
    if (end < s.size() && QStringLiteral("eEdD").contains(s.at(end))) {
        qsizetype exponent = end + 1;
        if (exponent < s.size() && (s.at(exponent) == u'+' || s.at(exponent) == u'-'))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(s, exponent);
        if (exponentEnd > exponent)
            number += u'e' + s.mid(end + 1, exponentEnd - end - 1);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return fitting(value);
}

} // namespace pathwick::hotkeys
