// Hot key value names: composed by the hot key window, read back from the store (where any
// name can stand, from a hot key file or by hand).
#include "hotkeys/HotKeyName.h"
#include "support/FuzzCheck.h"

#include <limits>

using namespace pathwick::hotkeys;

namespace {

QString shown(const std::optional<qint16>& number) {
    return number ? QString::number(*number) : QStringLiteral("nothing");
}

QString shown(const std::optional<HotKeyName>& name) {
    if (!name)
        return QStringLiteral("nothing");
    return QStringLiteral("%1 command %2 send %3 shift %4 ctrl %5 alt %6")
        .arg(name->keyNumber)
        .arg(name->command)
        .arg(name->send)
        .arg(name->modifiers.shift)
        .arg(name->modifiers.ctrl)
        .arg(name->modifiers.alt);
}

const QChar Blanks[] = {u' ', u'\t', u'\n', u'\r'};

// text with blanks put in at places the input picks.
QString withBlanksAdded(const QString& text, FuzzedDataProvider& input) {
    QString out = text;
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i)
        out.insert(input.ConsumeIntegralInRange<qsizetype>(0, out.size()),
                   Blanks[input.ConsumeIntegralInRange(0, 3)]);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto type = static_cast<HotKeyType>(input.ConsumeIntegralInRange(0, 2));
    const Modifiers modifiers{input.ConsumeBool(), input.ConsumeBool(), input.ConsumeBool()};
    const qint64 number = input.ConsumeIntegral<qint64>();
    const int zeros = input.ConsumeIntegralInRange(0, 3);
    const QString text = pathwick::fuzz::takeUtf16(input, 40);
    const QString blanked = withBlanksAdded(text, input);

    // A number written in decimal, leading zeros and blanks around it or not, names that key
    // when it fits 16 bits and no key otherwise; hex names its 16-bit pattern.
    const bool fits = number >= std::numeric_limits<qint16>::min() &&
                      number <= std::numeric_limits<qint16>::max();
    const QString digits = QString::number(number < 0 ? 0 - quint64(number) : quint64(number));
    const QString decimal =
        (number < 0 ? QStringLiteral("-") : QString()) + QString(zeros, u'0') + digits;
    const std::optional<qint16> expected =
        fits ? std::optional<qint16>(qint16(number)) : std::nullopt;
    FUZZ_CHECK_EQ(shown(leadingKeyNumber(decimal)), shown(expected));
    if (number >= 0 && number <= 0xFFFF)
        FUZZ_CHECK_EQ(shown(leadingKeyNumber(QStringLiteral("&H") + QString::number(number, 16))),
                      shown(std::optional<qint16>(qint16(quint16(number)))));

    // Composed and read back, a name gives its key, its type and its modifiers, whatever the
    // key number text; each suffix counts wherever it stands.
    const QString numberText = input.ConsumeBool() ? u' ' + decimal + u'\t' : text;
    const std::optional<HotKeyName> parsed =
        parseHotKeyName(composeHotKeyName(numberText, type, modifiers));
    const std::optional<qint16> key = leadingKeyNumber(numberText);
    FUZZ_CHECK_EQ(parsed.has_value(), key.has_value());
    if (parsed) {
        const auto has = [&](const char16_t* suffix) { return numberText.contains(suffix); };
        const HotKeyName whole{*key,
                               type == HotKeyType::Command || has(u"_Command"),
                               type == HotKeyType::Send || has(u"_Send"),
                               {modifiers.shift || has(u"_Shift"), modifiers.ctrl || has(u"_Ctrl"),
                                modifiers.alt || has(u"_Alt")}};
        FUZZ_CHECK_EQ(shown(parsed), shown(whole));
    }

    // Blanks anywhere are skipped.
    FUZZ_CHECK_EQ(shown(leadingKeyNumber(blanked)), shown(leadingKeyNumber(text)));
    FUZZ_CHECK_EQ(shown(leadingKeyNumber(withBlanksAdded(decimal, input))), shown(expected));
    return 0;
}
