#include "shutdown/ShutdownWindowRules.h"

#include "common/ValueFormats.h"
#include "common/Version.h"
#include "settings/Catalogue.h"
#include "shutdown/ShutdownTexts.h"
#include "shutdown/ShutdownTime.h"

namespace pathwick {

namespace {

constexpr int DateEntries = 115;
constexpr int ProposedHoursAhead = 5;
constexpr int MinimumMinutesAhead = 5;
constexpr int BrownBelowMinutes = 15;
constexpr int UserDays = 21;
constexpr auto CrLf = shutdown_texts::CrLf;

const QColor DarkGreen(0, 128, 0);
const QColor Brown(128, 64, 0);
const QColor DarkRed(128, 0, 0);
const QColor LightBlue(128, 128, 255);

QString blanksBelowTen(int number) {
    return number < 10 ? QStringLiteral("  ") + QString::number(number) : QString::number(number);
}

QString counted(int number, const char* unit) {
    return QString::number(number).rightJustified(2, ' ') + ' ' + unit + (number == 1 ? "" : "s");
}

QString plural(qint64 number, const char* unit) {
    return formatThousands(number) + ' ' + unit + (number > 1 ? "s" : "");
}

} // namespace

QStringList atTimeDateEntries(const QDate& today) {
    QStringList entries;
    for (int offset = 0; offset < DateEntries; ++offset) {
        const QDate day = today.addDays(offset);
        entries.append((offset == 0 ? QStringLiteral("Today") : formatWeekdayName(day)) +
                       QStringLiteral(", ") + formatDate_d_mm_yyyy(day));
    }
    return entries;
}

QStringList atTimeHourEntries(bool twelveHour) {
    QStringList entries;
    for (int hour = twelveHour ? 1 : 0; hour <= (twelveHour ? 12 : 23); ++hour)
        entries.append(blanksBelowTen(hour));
    return entries;
}

QStringList minuteEntries() {
    QStringList entries;
    for (int minute = 0; minute < 60; ++minute)
        entries.append(formatMinDigits(minute, 2));
    return entries;
}

AtTimeSelection proposedAtTime(const QDateTime& now, bool twelveHour) {
    const QDateTime proposed = now.addSecs(ProposedHoursAhead * 3600);
    AtTimeSelection selection;
    selection.dateIndex = int(now.date().daysTo(proposed.date()));
    const int hour = proposed.time().hour();
    selection.hourIndex = twelveHour ? (hour % 12 == 0 ? 11 : hour % 12 - 1) : hour;
    selection.minuteIndex = proposed.time().minute();
    selection.pm = hour >= 12;
    return selection;
}

int chosenHour(int hourIndex, bool twelveHour, bool pm) {
    if (!twelveHour)
        return hourIndex;
    int hour = (hourIndex % 12) + 1;
    if (hour == 12)
        hour = 0;
    return pm ? (hour + 12) % 24 : hour;
}

AtTimeInfo atTimeInfo(const QDateTime& now, const QDateTime& target) {
    AtTimeInfo info;
    const qint64 diff = minutesOnTheClock(now, target);
    info.ok = diff >= MinimumMinutesAhead;
    if (!info.ok) {
        info.colour = DarkRed;
        info.bold = true;
        info.caption = QStringLiteral("You must enter a date and time") + CrLf +
                       QStringLiteral("at least 5 minutes from now.");
        return info;
    }
    info.delayMinutes = double(diff);
    info.colour = diff < BrownBelowMinutes ? Brown : DarkGreen;
    QString text = formatThousands(diff) + QStringLiteral(" minutes");
    const qint64 hours = diff / 60;
    if (hours >= 1) {
        text = plural(hours, "hour");
        if (now.time().minute() != target.time().minute())
            text = QStringLiteral("Over ") + text;
    }
    const qint64 days = hours / 24;
    if (days >= 1) {
        text = plural(days, "day");
        if (now.time().hour() != target.time().hour())
            text = QStringLiteral("Over ") + text;
    }
    info.caption = formatWeekdayName(target.date()) + QStringLiteral(", ") +
                   formatNoteMoment(target) + CrLf + QStringLiteral("= ") + text;
    return info;
}

QString atTimeString(int hourShown, int minute, const QString& ampm, const QString& dateEntry) {
    QString text = QStringLiteral("a&t ") + QString::number(hourShown) + ':' +
                   formatMinDigits(minute, 2) + ampm;
    if (dateEntry.left(5) == QLatin1String("Today"))
        return text + QStringLiteral(" today");
    return text + QStringLiteral(", on ") + dateEntry;
}

QStringList userTimeDayEntries() {
    QStringList entries;
    for (int day = 0; day < UserDays; ++day)
        entries.append(counted(day, "day"));
    return entries;
}

QStringList userTimeHourEntries() {
    QStringList entries;
    for (int hour = 0; hour < 24; ++hour)
        entries.append(counted(hour, "hour"));
    return entries;
}

QStringList userTimeMinuteEntries() {
    QStringList entries;
    for (int minute = 0; minute < 60; ++minute)
        entries.append(blanksBelowTen(minute) + (minute == 1 ? " minute" : " minutes"));
    return entries;
}

bool userTimeValid(int days, int hours, int minutes) {
    return days != 0 || hours != 0 || minutes >= 15;
}

UserTimeInfo userTimeInfo(const QDateTime& now, int days, int hours, int minutes) {
    if (!userTimeValid(days, hours, minutes))
        return {QStringLiteral("This value is too small and will not be updated.") + CrLf +
                    QStringLiteral("Minimun value is 0 days, 0 hours and 15 minutes."),
                DarkRed};
    return {QStringLiteral("User shutdown value from now will be;") + CrLf +
                timeIn(now, qint64(days) * 24 + hours, minutes, 0, 2),
            LightBlue};
}

QString timerUsingText(const QString& computerName) {
    const QString product = QString::fromLatin1(ProductName);
    return QStringLiteral("What's the difference between letting Windows or this application "
                          "close down your PC?") +
           CrLf + CrLf + QStringLiteral("If ") + product +
           QStringLiteral(" closes down the computer, then ..") + CrLf +
           QStringLiteral("you can see how much time you have until the computer turns off.") +
           CrLf +
           QStringLiteral("You can abort the computer shutdown, without loading this application "
                          "again.") +
           CrLf + CrLf + QStringLiteral("If ") + computerName +
           QStringLiteral(" closes down the computer, then ..") + CrLf +
           QStringLiteral("you can close this application but will not know how much longer you "
                          "have to work") +
           CrLf + QStringLiteral("until the computer turns off.") + CrLf +
           QStringLiteral("To abort shutdown, you will need to reload this application or enter "
                          "code in CMD.exe.");
}

QString optionsSaveStamp(const QDateTime& now) {
    return SavedWithStamp(QStringLiteral("Shutdown options ") + formatNoteMoment(now));
}

} // namespace pathwick
