#include "shutdown/RebootSchedule.h"

#include "common/ValueFormats.h"
#include "shutdown/ShutdownTexts.h"

namespace pathwick {

namespace {

constexpr int Periods[] = {168, 2, 3, 4, 6, 12, 24};
constexpr int OnceADay = 6;
constexpr int MinimumMinutesAhead = 5;
constexpr int CaptionRestStart = 8; // the text after "Re-boot "
constexpr auto CrLf = shutdown_texts::CrLf;

qint64 floorDiv(qint64 value, qint64 divisor) {
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

QString plural(int number) {
    return number == 1 ? QString() : QStringLiteral("s");
}

QString captionRest(int index) {
    return rebootLengthCaptions().value(index).mid(CaptionRestStart);
}

} // namespace

int rebootPeriodHours(int index) {
    return index >= 1 && index <= 6 ? Periods[index] : Periods[0];
}

RebootDue rebootDue(const QDateTime& now, int hours, int minutes, int ampm, int index) {
    const QTime clock = now.time();
    // Seconds since today's midnight, of now and of the set time (which may lie on other days).
    const qint64 nowSeconds = clock.hour() * 3600 + clock.minute() * 60 + clock.second();
    qint64 hour = hours == 12 ? 0 : hours;
    if (ampm == 1)
        hour += 12;
    const int period = rebootPeriodHours(index);
    auto atSeconds = [&] { return hour * 3600 + qint64(minutes) * 60; };
    auto hourBoundaries = [&] { return floorDiv(atSeconds(), 3600) - floorDiv(nowSeconds, 3600); };
    auto minuteBoundaries = [&] { return floorDiv(atSeconds(), 60) - floorDiv(nowSeconds, 60); };

    while (hourBoundaries() > period)
        hour -= period;
    while (minuteBoundaries() < MinimumMinutesAhead)
        hour += period;

    RebootDue due;
    due.time = QTime(0, 0).addSecs(int(atSeconds() % (24 * 3600)));
    due.minutes = minuteBoundaries();
    return due;
}

QString rebootTimeStringCaption(const QTime& time) {
    return shutdown_texts::RebootTimeStringStart + formatTime_H_MM_ampm(time);
}

QStringList rebootLengthCaptions() {
    return {"Re-boot once only",      "Re-boot every 2 hours", "Re-boot every 3 hours",
            "Re-boot every 4 hours",  "Re-boot every 6 hours", "Re-boot every 12 hours",
            "Re-boot every 24 hours"};
}

QStringList rebootHourEntries() {
    QStringList entries{QStringLiteral("12")};
    for (int hour = 1; hour <= 11; ++hour)
        entries.append((hour < 10 ? QStringLiteral("  ") : QString()) + QString::number(hour));
    return entries;
}

RebootExplanation rebootExplanation(int index, const QString& hourEntry, const QString& minuteEntry,
                                    const QString& ampmEntry, const QTime& now) {
    RebootExplanation result;
    QString rest = captionRest(index);
    if (!rest.isEmpty())
        rest[0] = rest.at(0).toUpper();
    result.caption = QStringLiteral("Bootup time:   (") + rest + ')';

    if (index == 0) {
        result.repeatText = QStringLiteral("disabled.");
        result.example = QStringLiteral("Computer will re-boot once only.") + CrLf +
                         QStringLiteral("Will not re-boot again as no time is set.");
        return result;
    }
    if (index == OnceADay) {
        result.repeatText = QStringLiteral("repeating once a day");
        result.example = QStringLiteral("Re-boot once a day at the same time.") + CrLf +
                         QStringLiteral("EG. Always re-boot at; ") + hourEntry + ':' +
                         minuteEntry + ampmEntry;
        return result;
    }

    result.repeatText = QStringLiteral("repeating ") + captionRest(index);
    const int period = rebootPeriodHours(index);
    int hour = hourEntry.trimmed().toInt() % 12 + (ampmEntry == QLatin1String("pm") ? 12 : 0);
    const int minute = minuteEntry.toInt();
    hour %= period;
    const int nowMinutes = now.hour() * 60 + now.minute();
    QStringList times;
    QString next;
    for (int k = 1; k <= 24 / period; ++k, hour += period) {
        const QString time = formatTime_H_MM_ampm(QTime(hour, minute));
        times.append(time);
        const int ahead = hour * 60 + minute - nowMinutes;
        if (ahead >= 0 && ahead < period * 60)
            next = time;
    }
    if (next.isEmpty())
        next = times.first();
    const QString list = times.join(QStringLiteral(", "));
    const QString examples = period == 2 ? QStringLiteral("EG. Re-boot at; ") + list
                                         : QStringLiteral("EG.") + CrLf +
                                               QStringLiteral("Re-boot at; ") + list;
    result.example = QStringLiteral("Re-boot ") + QString::number(24 / period) +
                     QStringLiteral(" times a day, every ") + QString::number(period) +
                     QStringLiteral(" hour") + plural(period) + '.' + CrLf + examples + CrLf +
                     QStringLiteral("Time now;         ") + formatTime_H_MM_ampm(now) + CrLf +
                     QStringLiteral("Next re-boot at; ") + next;
    return result;
}

} // namespace pathwick
