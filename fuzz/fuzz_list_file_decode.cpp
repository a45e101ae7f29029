// A list file's bytes decoded and cut into lines, and lines encoded the way an export writes
// them: whatever the export writes, the import reads back the same.
#include "common/RecordFile.h"
#include "support/FuzzCheck.h"

#include <QStringDecoder>

using namespace pathwick;

namespace {

QStringList roundTrip(const QStringList& lines) {
    return splitRecordLines(decodeRecordFile(encodeRecordFile(lines)));
}

void checkFileBytes(const QByteArray& bytes) {
    const QStringList lines = splitRecordLines(decodeRecordFile(bytes));
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    // A UTF-16 file can hold lone surrogates; the import refuses those lines.
    // (Each line on its own: two halves on two lines are two lone surrogates.)
    if (std::none_of(lines.begin(), lines.end(), fuzz::hasLoneSurrogate))
        FUZZ_CHECK_EQ(roundTrip(lines), lines);

    // Every byte has a Windows-1252 character and back.
    const QString western = fromWindows1252(bytes);
    FUZZ_CHECK(fitsWindows1252(western));
    FUZZ_CHECK_EQ(toWindows1252(western), bytes);

    // Valid UTF-8 without a byte-order mark is read as UTF-8, every character kept.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8(bytes);
    if (!utf8.hasError() && !bytes.startsWith("\xEF\xBB\xBF"))
        FUZZ_CHECK_EQ(decodeRecordFile(bytes), text);
}

void checkLines(const QString& text) {
    // Entries never hold lone surrogates: the store refuses them where they are added.
    if (fuzz::hasLoneSurrogate(text))
        return;
    const QStringList lines = splitRecordLines(text);
    FUZZ_CHECK_EQ(roundTrip(lines), lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkFileBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FuzzedDataProvider input(data, size);
    checkLines(fuzz::restAsUtf16(input));
    return 0;
}
