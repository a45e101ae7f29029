#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pathwick {

// ---- The shutdown-at-time window ----

// "Today, 5/12/2026", "Sunday, 6/12/2026", ... for today and the next 114 days.
QStringList atTimeDateEntries(const QDate& today);
// 1 ... 12 in 12-hour mode, 0 ... 23 otherwise; two blanks in front of one-digit numbers.
QStringList atTimeHourEntries(bool twelveHour);
// "00" ... "59".
QStringList minuteEntries();

// The list entries proposed when the window opens: five hours from now.
struct AtTimeSelection {
    int dateIndex = 0;
    int hourIndex = 0;
    int minuteIndex = 0;
    bool pm = false;
};
AtTimeSelection proposedAtTime(const QDateTime& now, bool twelveHour);

// The hour on the 24-hour clock of an hour entry ("12" with am is midnight).
int chosenHour(int hourIndex, bool twelveHour, bool pm);

// What the window shows and accepts for a moment.
struct AtTimeInfo {
    bool ok = false;      // at least 5 minutes ahead
    double delayMinutes = -1;
    QColor colour;
    bool bold = false;
    QString caption;
};
AtTimeInfo atTimeInfo(const QDateTime& now, const QDateTime& target);

// "a&t 3:05pm today", "a&t 15:05, on Sunday, 6/12/2026".
QString atTimeString(int hourShown, int minute, const QString& ampm, const QString& dateEntry);

// ---- The shutdown options window ----

QStringList userTimeDayEntries();    // " 0 days", " 1 day", ... "20 days"
QStringList userTimeHourEntries();   // " 0 hours", " 1 hour", ... "23 hours"
QStringList userTimeMinuteEntries(); // "  0 minutes", "  1 minute", ... "59 minutes"

// At least 15 minutes.
bool userTimeValid(int days, int hours, int minutes);
struct UserTimeInfo {
    QString caption;
    QColor colour;
};
UserTimeInfo userTimeInfo(const QDateTime& now, int days, int hours, int minutes);

// The explanation beside the timer choice, naming the program and the computer.
QString timerUsingText(const QString& computerName);
// The save stamp the options write in the key's unnamed value.
QString optionsSaveStamp(const QDateTime& now);

} // namespace pathwick
