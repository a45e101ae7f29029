#pragma once

#include <QDateTime>
#include <QString>

namespace pathwick {

// The clock text of now plus a delay: "5:45pm", with ", d/mm/yyyy" after it when
// dateIfNotToday is 1 and the moment falls on another day, or always for a value other
// than 0 and 1.
QString timeIn(const QDateTime& now, qint64 hours, qint64 minutes = 0, qint64 seconds = 0,
               int dateIfNotToday = 0);

// The caption of the user-time item of the shutdown menu for the stored hours and minutes.
QString userTimeCaption(qint32 hours, qint32 minutes);

// The delay the user-time item starts: hours clamped to 0 ... 168, minutes to 0 ... 60.
struct Delay {
    int hours = 0;
    int minutes = 0;
};
Delay userTimeDelay(qint32 storedHours, qint32 storedMinutes);

// The menu-bar line while a countdown runs: "1,234 minutes untli 4:30pm".
QString countdownCaption(qint64 minutesLeft, const QString& timeText);

// The hours and minutes from now to a moment, counted on the minute of the clock (the
// seconds of now do not count), so a moment one minute ahead is 0 hours 1 minute.
qint64 minutesOnTheClock(const QDateTime& now, const QDateTime& moment);

} // namespace pathwick
