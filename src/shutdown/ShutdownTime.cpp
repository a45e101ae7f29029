#include "shutdown/ShutdownTime.h"

#include "common/ValueFormats.h"
#include "shutdown/ShutdownTexts.h"

#include <algorithm>

namespace pathwick {

using namespace shutdown_texts;

namespace {

constexpr qint32 MaxUserHours = 168;
constexpr qint32 MaxUserMinutes = 60;

QDateTime onTheMinute(const QDateTime& moment) {
    const QTime time = moment.time();
    return QDateTime(moment.date(), QTime(time.hour(), time.minute()));
}

} // namespace

QString timeIn(const QDateTime& now, qint64 hours, qint64 minutes, qint64 seconds,
               int dateIfNotToday) {
    const QDateTime moment = now.addSecs(hours * 3600 + minutes * 60 + seconds);
    QString datePart = ", " + formatDate_d_mm_yyyy(moment.date());
    if (dateIfNotToday == 0 || (dateIfNotToday == 1 && moment.date() == now.date()))
        datePart.clear();
    return formatTime_H_MM_ampm(moment.time()) + datePart;
}

QString userTimeCaption(qint32 hours, qint32 minutes) {
    QString caption = UserTimeStart + QString::number(hours) + UserTimeHours;
    if (minutes == 0 && hours <= 0)
        caption = UserTimeNotSet;
    if (hours == 1)
        caption = UserTimeOneHour;
    if (minutes > 0)
        caption += UserTimeAnd + QString::number(minutes) + ' ' +
                   (minutes == 1 ? UserTimeMin : UserTimeMins);
    return caption + UserTimeSeeOptions;
}

Delay userTimeDelay(qint32 storedHours, qint32 storedMinutes) {
    return {std::clamp(storedHours, 0, MaxUserHours), std::clamp(storedMinutes, 0, MaxUserMinutes)};
}

QString countdownCaption(qint64 minutesLeft, const QString& timeText) {
    return formatThousands(minutesLeft) + DisplayMinutes + timeText;
}

qint64 minutesOnTheClock(const QDateTime& now, const QDateTime& moment) {
    return onTheMinute(now).secsTo(onTheMinute(moment)) / 60;
}

} // namespace pathwick
