#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pathwick {

// The period in hours of a stored "RebootEveryHourIndex": 1 -> 2, 2 -> 3, 3 -> 4, 4 -> 6,
// 5 -> 12, 6 -> 24, anything else a week.
int rebootPeriodHours(int index);

// When the schedule restarts the computer next: the first occurrence of the set time (hour
// on the 12-hour clock as listed, 12 meaning 0; ampm 1 for pm), stepped by the period, that
// lies at least 5 minutes ahead.
struct RebootDue {
    QTime time;           // the clock time, for "Shutdown at H:MMam/pm"
    qint64 minutes = 0;   // whole minutes from now
};
RebootDue rebootDue(const QDateTime& now, int hours, int minutes, int ampm, int index);

// The menu caption "Shutdown at 3:00pm".
QString rebootTimeStringCaption(const QTime& time);

// The captions of the schedule window's option buttons, index 0 to 6.
QStringList rebootLengthCaptions();
// The hour entries of its lists: "12", "  1" ... " 11".
QStringList rebootHourEntries();

// What the schedule window says about a choice: the caption, the repeat text beside the
// time and the example below it.
struct RebootExplanation {
    QString caption;
    QString repeatText;
    QString example;
};
RebootExplanation rebootExplanation(int index, const QString& hourEntry, const QString& minuteEntry,
                                    const QString& ampmEntry, const QTime& now);

} // namespace pathwick
