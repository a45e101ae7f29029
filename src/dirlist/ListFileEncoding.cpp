#include "dirlist/ListFileEncoding.h"

#include <QStringDecoder>

#include <array>

namespace pathwick {

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five bytes the code page leaves unassigned map to
// the C1 controls of the same number, as Windows converts them, so they round-trip.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when Windows-1252 has none.
int windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == c)
            return int(0x80 + i);
    return -1;
}

const QByteArray Utf8Bom("\xEF\xBB\xBF");
const QByteArray Utf16LeBom("\xFF\xFE");
const QByteArray Utf16BeBom("\xFE\xFF");

// The file's own mark is cut off before; a U+FEFF after it belongs to the first line.
QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless |
                                         QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

bool fitsWindows1252(const QString& text) {
    for (QChar c : text)
        if (windows1252Byte(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray toWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int byte = windows1252Byte(c.unicode());
        out.append(byte < 0 ? '?' : char(byte));
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        out.append(byte >= 0x80 && byte <= 0x9F ? QChar(HighControls[byte - 0x80]) : QChar(byte));
    }
    return out;
}

QByteArray encodeListFile(const QStringList& lines) {
    const QString text =
        lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // Windows-1252 bytes can read as something else ("Ã©" is valid UTF-8, "ÿþ" a UTF-16
    // mark); such text goes out as UTF-8 too.
    if (fitsWindows1252(text)) {
        QByteArray western = toWindows1252(text);
        if (decodeListFile(western) == text)
            return western;
    }
    return Utf8Bom + text.toUtf8();
}

QString decodeListFile(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom))
        return decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(Utf8Bom.size()));
    if (bytes.startsWith(Utf16LeBom))
        return decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith(Utf16BeBom))
        return decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

QStringList splitListLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

} // namespace pathwick
