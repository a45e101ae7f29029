// The parameter text a folder window or a start-up request hands over, split into arguments.
#include "platform/linux/CommandLineSplit.h"
#include "support/FuzzCheck.h"

using pathwick::platform::splitCommandLine;

namespace {

// The one quoting the splitter reads back exactly: quotes around everything, backslashes
// doubled before a quote and at the end, each quote escaped.
QString quoted(const QString& argument) {
    QString out(u'"');
    qsizetype backslashes = 0;
    for (QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"')
            out += QString(backslashes * 2 + 1, u'\\');
        else
            out += QString(backslashes, u'\\');
        out += c;
        backslashes = 0;
    }
    out += QString(backslashes * 2, u'\\');
    out += u'"';
    return out;
}

QString joined(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments)
        parts.append(quoted(argument));
    return parts.join(u' ');
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString text = pathwick::fuzz::restAsUtf16(input);
    const QStringList arguments = splitCommandLine(text);

    // What the splitter gives, quoted again, splits to the same arguments.
    FUZZ_CHECK_EQ(splitCommandLine(joined(arguments)), arguments);

    // Arbitrary arguments (separated by NULs in the input) survive quoting and splitting.
    const QStringList chosen = text.split(QChar(0));
    FUZZ_CHECK_EQ(splitCommandLine(joined(chosen)), chosen);

    // Without quotes, an argument is never empty and never holds a blank.
    if (!text.contains(u'"')) {
        for (const QString& argument : arguments) {
            FUZZ_CHECK(!argument.isEmpty());
            FUZZ_CHECK(std::none_of(argument.begin(), argument.end(), isBlank));
        }
        // Backslashes are then literal: only blanks were taken out.
        QString kept = text;
        kept.removeIf(isBlank);
        FUZZ_CHECK_EQ(arguments.join(QString()), kept);
    }
    return 0;
}
