#include "common/RecordFile.h"

#include "common/CommonTexts.h"
#include "common/ComputerInfo.h"
#include "common/LineEnd.h"
#include "common/ValueFormats.h"
#include "common/Version.h"
#include "platform/Environment.h"
#include "settings/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace pathwick {

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five bytes the code page leaves unassigned map to
// the C1 controls of the same number, so they round-trip.
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

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

RecordFileError invalidFormat(const QString& description) {
    return {RecordErrorNumber::InvalidFormat, description};
}

// Why a file at path cannot be opened, as the file commands report it.
RecordFileError openError(const QString& path, bool forWriting) {
    using namespace texts;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return {RecordErrorNumber::PathNotFound, text(RecordPathNotFound)};
    if (!forWriting && !info.exists())
        return {RecordErrorNumber::FileNotFound, text(RecordFileNotFound)};
    if (info.isDir())
        return {RecordErrorNumber::FileAccess, text(RecordFileAccessError)};
    const bool denied = forWriting ? (info.exists() ? !info.isWritable()
                                                    : !QFileInfo(info.absolutePath()).isWritable())
                                   : !info.isReadable();
    if (denied)
        return {RecordErrorNumber::PermissionDenied, text(RecordPermissionDenied)};
    return {RecordErrorNumber::FileAccess, text(RecordFileAccessError)};
}

// A line no stored value name may hold: a control character would break the store's
// listings, a lone surrogate has no bytes in any file encoding, and a line longer than the
// longest value name is not a record.
struct LineProblem {
    enum Kind { None, Control, Broken, TooLong } kind = None;
    int code = 0;
};

LineProblem findProblem(const QString& line) {
    for (QChar c : line)
        if (c.unicode() < 0x20 && c != u'\t')
            return {LineProblem::Control, c.unicode()};
    if (!QStringView(line).isValidUtf16())
        return {LineProblem::Broken};
    if (line.size() > MaxRecordLineLength)
        return {LineProblem::TooLong};
    return {};
}

// The texts tell reading, writing and adding apart; the first two name the line first.
struct ProblemTexts {
    const char* control;
    const char* broken;
    const char* tooLong;
};
constexpr ProblemTexts ReadingTexts{texts::RecordControlCharacter, texts::RecordBrokenCharacter,
                                    texts::RecordLongLine};
constexpr ProblemTexts WritingTexts{texts::RecordUnwritableControl,
                                    texts::RecordUnwritableBroken, texts::RecordUnwritableLong};
constexpr ProblemTexts AddingTexts{texts::EntryControlCharacter, texts::EntryBrokenCharacter,
                                   texts::EntryTooLong};

// lineNumber 0: no line to name.
QString describe(const LineProblem& problem, const ProblemTexts& says, qsizetype lineNumber) {
    const auto withLine = [&](const char* sentence) {
        return lineNumber > 0 ? text(sentence).arg(lineNumber) : text(sentence);
    };
    switch (problem.kind) {
    case LineProblem::Control:
        return withLine(says.control).arg(problem.code);
    case LineProblem::Broken:
        return withLine(says.broken);
    case LineProblem::TooLong:
        return withLine(says.tooLong).arg(formatThousands(MaxRecordLineLength));
    case LineProblem::None:
        break;
    }
    return {};
}

RecordFileError checkLine(const QString& line, qsizetype lineNumber, const ProblemTexts& says) {
    const LineProblem problem = findProblem(line);
    if (problem.kind == LineProblem::None)
        return {};
    return invalidFormat(describe(problem, says, lineNumber));
}

} // namespace

QString recordMarker() {
    return QString(QChar(RecordMarker));
}

QString SafeValueName(const QString& text, const QString& replacement) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool keep =
            (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
        if (keep)
            out.append(c);
        else
            out.append(replacement);
    }
    return out;
}

QStringList recordFileHeader(const QString& secondLine, const QString& filePath,
                             const QDateTime& now) {
    using namespace texts;
    const QString m = recordMarker();
    return {m + text(RecordHeaderProgram).arg(ProductName, VersionText(), getAppDate()),
            m + secondLine,
            m + text(RecordHeaderFile).arg(filePath),
            m + text(RecordHeaderDate).arg(formatNoteMoment(now)),
            m + text(RecordHeaderOsName).arg(OSName()),
            m + text(RecordHeaderOsType).arg(platform::environmentValue(text(OsVariable)))};
}

QString entryRefusal(const QString& entry) {
    return describe(findProblem(entry), AddingTexts, 0);
}

QString entryRecordLine(const QString& entry) {
    return entry.startsWith(QChar(RecordMarker)) ? recordMarker() + entry : entry;
}

RecordLine readRecordLine(const QString& line) {
    const QString doubled = recordMarker() + recordMarker();
    if (line.startsWith(doubled))
        return {false, line.mid(1)};
    return {line.startsWith(QChar(RecordMarker)), line};
}

RecordFileError writeRecordFile(const QString& filePath, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (RecordFileError error = checkLine(lines.at(i), i + 1, WritingTexts); error.isError())
            return error;
    const QByteArray bytes = encodeRecordFile(lines);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return openError(filePath, true);
    file.write(bytes);
    if (!file.commit()) {
        if (file.error() == QFileDevice::ResourceError)
            return {RecordErrorNumber::DiskFull, text(texts::RecordDiskFull)};
        return openError(filePath, true);
    }
    return {};
}

RecordFileError readRecordFile(const QString& filePath, QStringList& lines) {
    lines.clear();
    QFile file(filePath);
    if (QFileInfo(filePath).isDir() || !file.open(QIODevice::ReadOnly))
        return openError(filePath, false);
    if (file.size() > MaxRecordFileBytes)
        return invalidFormat(text(texts::RecordTooLarge).arg(formatThousands(MaxRecordFileBytes)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {RecordErrorNumber::FileAccess, text(texts::RecordFileAccessError)};
    const QStringList raw = splitRecordLines(decodeRecordFile(bytes));
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString line = raw.at(i).trimmed();
        if (line.isEmpty())
            continue;
        if (RecordFileError error = checkLine(line, i + 1, ReadingTexts); error.isError()) {
            lines.clear();
            return error;
        }
        lines.append(line);
    }
    return {};
}

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

QByteArray encodeRecordFile(const QStringList& lines) {
    const QString crLf = text(CrLf);
    const QString all = lines.isEmpty() ? QString() : lines.join(crLf) + crLf;
    // Windows-1252 bytes can read as something else ("Ã©" is valid UTF-8, "ÿþ" a UTF-16
    // mark); such text goes out as UTF-8 too.
    if (fitsWindows1252(all)) {
        QByteArray western = toWindows1252(all);
        if (decodeRecordFile(western) == all)
            return western;
    }
    return Utf8Bom + all.toUtf8();
}

QString decodeRecordFile(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom))
        return decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(Utf8Bom.size()));
    if (bytes.startsWith(Utf16LeBom))
        return decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith(Utf16BeBom))
        return decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8(bytes);
    if (!utf8.hasError())
        return decoded;
    return fromWindows1252(bytes);
}

QStringList splitRecordLines(const QString& text) {
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
