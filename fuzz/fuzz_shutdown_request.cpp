// The "?HoursMinutes=" and "?DateTime=" requests of the command line.
#include "common/ValueFormats.h"
#include "shutdown/ShutdownRequest.h"
#include "support/FuzzCheck.h"

using namespace pathwick;

namespace {

// The request as the command line prepares it.
QString prepared(QString request) {
    for (const QChar separator : {QChar(':'), QChar('/'), QChar('\\'), QChar('-')})
        request.replace(separator, QChar(','));
    return request.remove(u' ');
}

// A start is a delay that fits and is 5 minutes or more; otherwise a message says why.
void checkWellFormed(const ShutdownRequestOutcome& outcome, bool isRequest) {
    if (outcome.start) {
        FUZZ_CHECK(outcome.hours >= 0 && outcome.hours <= MaxRequestHours);
        FUZZ_CHECK(outcome.minutes >= 0 && outcome.minutes < 60);
        FUZZ_CHECK(outcome.hours > 0 || outcome.minutes >= 5);
        FUZZ_CHECK(outcome.message.isEmpty());
    } else {
        FUZZ_CHECK_EQ(outcome.message.isEmpty(), !isRequest);
        FUZZ_CHECK_EQ(outcome.titleSuffix.isEmpty(), !isRequest);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QDateTime now(QDate(2026, 1, 1).addDays(input.ConsumeIntegralInRange(0, 3650)),
                        QTime(0, 0).addSecs(input.ConsumeIntegralInRange(0, 86399)));
    const int hours = input.ConsumeIntegralInRange(0, 40000);
    const int minutes = input.ConsumeIntegralInRange(0, 200);
    const qint64 ahead = input.ConsumeIntegralInRange<qint64>(6, 20000LL * 60);
    const bool twelveHour = input.ConsumeBool();
    const QString keyword = input.ConsumeBool() ? QStringLiteral("?HoursMinutes=")
                                                : QStringLiteral("?DateTime=");
    const QString text = fuzz::restAsUtf16(input);

    // Anything after a keyword, or any text at all, gives a well-formed outcome.
    const QString request = keyword + text;
    checkWellFormed(evaluateShutdownRequest(prepared(request), request, now), true);
    const bool isRequest = prepared(text).startsWith(QStringLiteral("?HoursMinutes="),
                                                     Qt::CaseInsensitive) ||
                           prepared(text).startsWith(QStringLiteral("?DateTime="),
                                                     Qt::CaseInsensitive);
    checkWellFormed(evaluateShutdownRequest(prepared(text), text, now), isRequest);

    // A delay of hours and minutes starts exactly that delay, or says why not.
    const QString delay = QStringLiteral("?hoursMINUTES= %1 : %2").arg(hours).arg(minutes);
    const ShutdownRequestOutcome delayed = evaluateShutdownRequest(prepared(delay), delay, now);
    const qint64 total = qint64(hours) * 60 + minutes;
    const bool fits = total / 60 <= MaxRequestHours && total >= 5;
    FUZZ_CHECK_EQ(delayed.start, fits);
    if (fits)
        FUZZ_CHECK_EQ(qint64(delayed.hours) * 60 + delayed.minutes, total);

    // A moment written out as a date and a time starts the minutes up to it on the clock.
    const QDateTime target = now.addSecs(ahead * 60);
    const QTime time = target.time();
    const QString clock = twelveHour ? formatTime_H_MM_ampm(time)
                                     : QStringLiteral("%1:%2").arg(time.hour()).arg(
                                           time.minute(), 2, 10, QChar('0'));
    const QString moment = QStringLiteral("?DateTime=%1-%2-%3, %4")
                               .arg(target.date().year())
                               .arg(target.date().month())
                               .arg(target.date().day())
                               .arg(clock);
    const ShutdownRequestOutcome at = evaluateShutdownRequest(prepared(moment), moment, now);
    const QDateTime nowOnTheMinute(now.date(), QTime(now.time().hour(), now.time().minute()));
    const qint64 expected = nowOnTheMinute.secsTo(QDateTime(target.date(), QTime(time.hour(), time.minute()))) / 60;
    FUZZ_CHECK(at.start);
    FUZZ_CHECK_EQ(qint64(at.hours) * 60 + at.minutes, expected);
    return 0;
}
