#include "shutdown/ShutdownRequest.h"

#include "shutdown/ShutdownTexts.h"
#include "shutdown/ShutdownTime.h"

#include <optional>

namespace pathwick {

using namespace shutdown_texts;

namespace {

constexpr auto DelayKeyword = "?HoursMinutes=";
constexpr auto DateKeyword = "?DateTime=";
constexpr int MinimumMinutes = 5;
constexpr int MinutesPerDay = 24 * 60;
// Field values are 16-bit numbers; anything larger is an overflow, never cut down.
constexpr qint64 MaxField = 32767;
constexpr int MaxDigits = 12;

// The leading number of a text, read up to the first character that cannot belong to it
// ("2,30" reads 2, "30pm" reads 30), rounded with halves to the even neighbour; 0 when the
// text does not begin with a number, nothing when it does not fit.
std::optional<qint64> leadingNumber(const QString& text) {
    qsizetype i = 0;
    QString whole;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
        whole += text.at(i++);
    QString fraction;
    if (i < text.size() && text.at(i) == '.') {
        ++i;
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
            fraction += text.at(i++);
    }
    while (whole.size() > 1 && whole.startsWith('0'))
        whole.remove(0, 1);
    if (whole.size() > MaxDigits)
        return std::nullopt;
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    if (!fraction.isEmpty() && fraction.at(0) >= '5') {
        const bool exactHalf = fraction.at(0) == '5' &&
                               fraction.mid(1).count('0') == fraction.size() - 1;
        if (!exactHalf || value % 2 == 1)
            ++value;
    }
    return value;
}

QString afterFirstComma(const QString& text) {
    const qsizetype comma = text.indexOf(',');
    return comma < 0 ? QString() : text.mid(comma + 1);
}

ShutdownRequestOutcome message(const char* titleSuffix, const QString& text) {
    ShutdownRequestOutcome outcome;
    outcome.titleSuffix = titleSuffix;
    outcome.message = text;
    return outcome;
}

ShutdownRequestOutcome started(qint64 hours, qint64 minutes) {
    ShutdownRequestOutcome outcome;
    outcome.start = true;
    outcome.hours = int(hours);
    outcome.minutes = int(minutes);
    return outcome;
}

ShutdownRequestOutcome delayRequest(const QString& rest) {
    const qsizetype commas = rest.count(',');
    if (commas > 2)
        return message(SyntaxTitle, DelaySyntax);
    // Days, hours and minutes from the right: the last field is always the minutes.
    QString remaining = rest;
    qint64 hours = 0;
    qint64 minutes = 0;
    for (qsizetype field = 0; field <= commas; ++field) {
        const std::optional<qint64> number = leadingNumber(remaining);
        if (!number || *number > qint64(MaxRequestHours) * 60 + 59)
            return message(TooLongTitle, TooLongText);
        if (field == commas) {
            hours += *number / 60;
            minutes = *number % 60;
        } else {
            hours += field == 0 && commas == 2 ? *number * 24 : *number;
        }
        remaining = afterFirstComma(remaining);
    }
    if (hours > MaxRequestHours)
        return message(TooLongTitle, TooLongText);
    if (hours > 0 || minutes >= MinimumMinutes)
        return started(hours, minutes);
    return message(TooSoonTitle, TooSoonText);
}

QString errorText(const QString& description, int number) {
    return CrLf + description + '.' + CrLf + ErrorNumber + QString::number(number) + CrLf;
}

ShutdownRequestOutcome dateTooSoon(const QString& error = QString()) {
    return message(DateTooSoonTitle, DateTooSoonText + error + CrLf + DateSeeHelp);
}

ShutdownRequestOutcome overflow() {
    return dateTooSoon(errorText(OverflowError, OverflowErrorNumber));
}

// The hour of an hour field, on the 24-hour clock when the minute field ends in am or pm.
std::optional<qint64> hourOf(const QString& hourField, const QString& minuteField) {
    const std::optional<qint64> hour = leadingNumber(hourField);
    const QString suffix = minuteField.trimmed().toUpper();
    if (!hour || !(suffix.endsWith("AM") || suffix.endsWith("PM")))
        return hour;
    return *hour % 12 + (suffix.endsWith("PM") ? 12 : 0);
}

// The moment at a day's midnight plus hour:minute; hours past 23 and minutes past 59 roll
// over into the following days and hours.
QDateTime atTime(const QDate& day, qint64 hour, qint64 minute) {
    const qint64 total = hour * 60 + minute;
    const qint64 minuteOfDay = total % MinutesPerDay;
    return QDateTime(day.addDays(total / MinutesPerDay),
                     QTime(int(minuteOfDay / 60), int(minuteOfDay % 60)));
}

ShutdownRequestOutcome startAt(const QDateTime& target, const QDateTime& now) {
    qint64 total = minutesOnTheClock(now, target);
    if (total < 0)
        total = 0;
    if (total / 60 > MaxRequestHours)
        return overflow();
    if (total / 60 > 0 || total % 60 >= MinimumMinutes)
        return started(total / 60, total % 60);
    return dateTooSoon();
}

ShutdownRequestOutcome dateRequest(const QString& rest, const QString& commandLine,
                                   const QDateTime& now) {
    const QStringList fields = rest.split(',');
    if (fields.size() != 2 && fields.size() != 5)
        return message(SyntaxTitle, DateSyntaxStart + commandLine + DateSyntaxEnd);

    const QString& hourField = fields.at(fields.size() - 2);
    const QString& minuteField = fields.last();
    const std::optional<qint64> hour = hourOf(hourField, minuteField);
    const std::optional<qint64> minute = leadingNumber(minuteField);
    if (!hour || !minute || *hour > MaxField || *minute > MaxField)
        return overflow();

    if (fields.size() == 2) {
        QDateTime target = atTime(now.date(), *hour, *minute);
        while (now.secsTo(target) < MinimumMinutes * 60)
            target = target.addDays(1);
        return startAt(target, now);
    }

    qint64 dateParts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::optional<qint64> number = leadingNumber(fields.at(i));
        if (!number || *number > MaxField)
            return overflow();
        dateParts[i] = *number;
    }
    const QDate day{int(dateParts[0]), int(dateParts[1]), int(dateParts[2])};
    if (!day.isValid())
        return dateTooSoon(errorText(QString(NoSuchDateError)
                                         .arg(dateParts[0])
                                         .arg(dateParts[1], 2, 10, QChar('0'))
                                         .arg(dateParts[2], 2, 10, QChar('0')),
                                     NoSuchDateErrorNumber));
    return startAt(atTime(day, *hour, *minute), now);
}

} // namespace

ShutdownRequestOutcome evaluateShutdownRequest(const QString& prepared, const QString& commandLine,
                                               const QDateTime& now) {
    const QString delayKeyword = QString::fromLatin1(DelayKeyword);
    const QString dateKeyword = QString::fromLatin1(DateKeyword);
    if (prepared.startsWith(delayKeyword, Qt::CaseInsensitive))
        return delayRequest(prepared.mid(delayKeyword.size()).trimmed());
    if (prepared.startsWith(dateKeyword, Qt::CaseInsensitive))
        return dateRequest(prepared.mid(dateKeyword.size()).trimmed(), commandLine, now);
    return {};
}

} // namespace pathwick
