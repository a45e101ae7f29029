// Value names and values as callers hand them to the store (list entries, imported lines,
// typed-in text), written, read back, listed and deleted in a real store in a temp folder.
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/ValueEncoding.h"
#include "support/FuzzCheck.h"
#include "support/TempStore.h"

#include <QStringDecoder>

using namespace pathwick;

namespace {

const QString Root = QStringLiteral("HKLM");
const QString Key = QStringLiteral("SOFTWARE\\Pathwick\\Fuzz");
const QString KeptName = QStringLiteral("Kept");

QString listing() {
    QString list;
    FUZZ_CHECK_EQ(ListSettings(Root, Key, list, true), SettingResult::Success);
    return list;
}

// The name a listing shows for a stored name.
QString listedName(QString name) {
    name.remove(QChar(0));
    while (name.startsWith(u' '))
        name.remove(0, 1);
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

QVariant takeValue(FuzzedDataProvider& input, store::Letter letter) {
    const bool text = letter == store::Letter::String || letter == store::Letter::ExpandString ||
                      letter == store::Letter::MultiString;
    switch (text ? 0 : input.ConsumeIntegralInRange(0, 3)) {
    case 1:
        return QVariant::fromValue(input.ConsumeIntegral<qint64>());
    case 2:
        return input.ConsumeFloatingPoint<double>();
    case 3:
        return input.ConsumeBool();
    default:
        return fuzz::restAsUtf16(input);
    }
}

// Bytes as a damaged or foreign store may hold them, read as every letter: numbers come from
// their first bytes, and a text stored with its terminator and valid UTF-8 reads exactly.
void checkStoredBytes(const QByteArray& raw) {
    for (store::Letter letter :
         {store::Letter::Binary, store::Letter::Number32, store::Letter::Number64}) {
        const std::optional<store::EncodedValue> again =
            store::encodeValue(letter, store::decodeValue(letter, raw));
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK_EQ(again->data, (raw + QByteArray(8, '\0')).left(again->data.size()));
    }
    const QVariant text = store::decodeValue(store::Letter::String, raw);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(raw).chopped(raw.isEmpty() ? 0 : 1));
    if (raw.endsWith('\0') && !utf8.hasError())
        FUZZ_CHECK_EQ(store::encodeValue(store::Letter::String, text)->data, raw);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static test::TempStore store;
    static const bool keptWritten =
        WriteSetting(Root, Key, KeptName, QStringLiteral("S"), QStringLiteral("as it was")) ==
        SettingResult::Success;
    FUZZ_CHECK(keptWritten);

    checkStoredBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FuzzedDataProvider input(data, size);
    const QString typeLetter = QString::fromLatin1(input.ConsumeBytesAsString(1));
    const QString name = fuzz::takeUtf16(input, input.ConsumeIntegralInRange(0, 40));
    const store::Letter letter = store::letterFromText(typeLetter);
    const QVariant value = takeValue(input, letter);
    // The fixed value stands for everything else in the store; another name must leave it.
    if (name.toCaseFolded() == KeptName.toCaseFolded())
        return 0;

    const QString before = listing();
    const int written = WriteSetting(Root, Key, name, typeLetter, value);
    // Text with a lone surrogate has no exact bytes and is refused (a number written from a
    // text stores no text).
    const bool storesText = letter == store::Letter::String ||
                            letter == store::Letter::ExpandString ||
                            letter == store::Letter::MultiString;
    if (fuzz::hasLoneSurrogate(name) ||
        (storesText && fuzz::hasLoneSurrogate(value.toString())))
        FUZZ_CHECK_EQ(written, SettingResult::Failed);
    if (written != SettingResult::Success || letter == store::Letter::Other) {
        FUZZ_CHECK_EQ(listing(), before);
        return 0;
    }

    // Read back as written: texts exactly, numbers as the same stored bytes.
    QVariant read;
    FUZZ_CHECK_EQ(ReadSetting(Root, Key, name, typeLetter, QVariant(), read),
                  SettingResult::Success);
    if (read.typeId() == QMetaType::QString)
        FUZZ_CHECK_EQ(read.toString(), value.toString());
    FUZZ_CHECK_EQ(store::encodeValue(letter, read)->data, store::encodeValue(letter, value)->data);

    // Listed once under its own name and letter, beside the untouched value.
    const QList<ListedValue> listed = splitListing(listing());
    const QString shownName = listedName(name);
    const auto isOurs = [&](const ListedValue& entry) { return entry.name == shownName; };
    if (!shownName.isEmpty())
        FUZZ_CHECK_EQ(std::count_if(listed.begin(), listed.end(), isOurs), qsizetype(1));
    FUZZ_CHECK_EQ(listed.size(), qsizetype(2));
    FUZZ_CHECK_EQ(splitListing(listing()).constFirst().name, KeptName);
    QVariant kept;
    ReadSetting(Root, Key, KeptName, QStringLiteral("S"), QVariant(), kept);
    FUZZ_CHECK_EQ(kept.toString(), QStringLiteral("as it was"));

    // Deleting it leaves the store as it was.
    FUZZ_CHECK_EQ(DeleteSetting(Root, Key, name), SettingResult::Success);
    FUZZ_CHECK_EQ(listing(), before);
    return 0;
}
