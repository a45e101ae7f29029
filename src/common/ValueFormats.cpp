#include "common/ValueFormats.h"

#include "common/CommonTexts.h"

#include <QLocale>

namespace pathwick {

namespace {

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, '0');
}

// "h:mm" on the 12-hour clock, then optional seconds, then am/pm.
QString twelveHourClock(const QTime& time, bool withSeconds) {
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    QString text = QString::number(hour) + ':' + twoDigits(time.minute());
    if (withSeconds)
        text += ':' + twoDigits(time.second());
    return text + (time.hour() < 12 ? texts::Am : texts::Pm);
}

} // namespace

QString formatDate_d_mm_yyyy(const QDate& date) {
    return QString::number(date.day()) + '/' + twoDigits(date.month()) + '/' +
           formatMinDigits(date.year(), 4);
}

QString formatTime_h_mm_ss_ampm(const QTime& time) {
    return twelveHourClock(time, true);
}

QString formatTime_H_MM_ampm(const QTime& time) {
    return twelveHourClock(time, false);
}

QString formatNoteMoment(const QDateTime& moment) {
    return formatDate_d_mm_yyyy(moment.date()) + ", " + formatTime_h_mm_ss_ampm(moment.time());
}

QString formatFileStamp(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return formatMinDigits(date.year(), 4) + '-' + twoDigits(date.month()) + '-' +
           twoDigits(date.day()) + '_' + twoDigits(time.hour()) + '-' + twoDigits(time.minute()) +
           '-' + twoDigits(time.second());
}

QString formatThousands(qint64 number) {
    // Digits of the magnitude as unsigned, so the most negative number has its digits too.
    const quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    const QString digits = QString::number(magnitude);
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits.at(i);
    }
    return number < 0 ? '-' + grouped : grouped;
}

QString formatMinDigits(qint64 number, int digits) {
    const quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    const QString text = QString::number(magnitude).rightJustified(digits, '0');
    return number < 0 ? '-' + text : text;
}

QString formatWeekdayName(const QDate& date) {
    return QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QString formatMonthName(const QDate& date) {
    return QLocale().monthName(date.month(), QLocale::LongFormat);
}

} // namespace pathwick
