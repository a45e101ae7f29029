// The text of /run/systemd/shutdown/scheduled, read when logind cannot be asked.
#include "shutdown/PendingShutdown.h"
#include "support/FuzzCheck.h"

using pathwick::scheduledFileSaysPending;

namespace {

bool isUsecLine(const QString& line) {
    return line.trimmed().startsWith(QStringLiteral("USEC="));
}

// The lines of text, none of them a USEC line.
QString withoutUsecLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    lines.removeIf(isUsecLine);
    return lines.join(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const quint64 usec = input.ConsumeIntegral<quint64>();
    const bool crLf = input.ConsumeBool();
    const QString before = withoutUsecLines(pathwick::fuzz::takeUtf16(input, 200));
    const QString value = pathwick::fuzz::takeUtf16(input, 30);
    const QString after = pathwick::fuzz::restAsUtf16(input);
    const QString end = crLf ? QStringLiteral("\r\n") : QStringLiteral("\n");

    // Without a USEC line nothing is pending.
    FUZZ_CHECK(!scheduledFileSaysPending(before));

    // The first USEC line decides, whatever other lines come before it and whatever follows:
    // a shutdown is pending exactly when it holds a moment after the epoch.
    const QString usecLine = QStringLiteral("  USEC=") + QString::number(usec) + end;
    FUZZ_CHECK_EQ(scheduledFileSaysPending(before + u'\n' + usecLine + after), usec != 0);
    FUZZ_CHECK_EQ(scheduledFileSaysPending(QStringLiteral("USEC=") + value + end + after),
                  scheduledFileSaysPending(QStringLiteral("USEC=") + value));

    // Pending only for a moment written in decimal digits, not all zeros, on the USEC line.
    if (scheduledFileSaysPending(QStringLiteral("USEC=") + value)) {
        QString digits = value.section(u'\n', 0, 0).trimmed();
        if (digits.startsWith(u'+'))
            digits.remove(0, 1);
        FUZZ_CHECK(!digits.isEmpty());
        for (QChar c : digits)
            FUZZ_CHECK(c >= u'0' && c <= u'9');
        FUZZ_CHECK(digits.count(u'0') < digits.size());
    }
    return 0;
}
