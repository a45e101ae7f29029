#pragma once

#include <QDateTime>
#include <QString>

namespace pathwick {

// The value formats the program writes, each in one place. Clock times use the 12-hour
// clock without a leading zero and lower-case am/pm: midnight is 12:..am, noon 12:..pm.
QString formatDate_d_mm_yyyy(const QDate& date);    // "d/mm/yyyy": "5/12/2026"
QString formatTime_h_mm_ss_ampm(const QTime& time); // "h:mm:ssam/pm": "1:45:44am"
QString formatTime_H_MM_ampm(const QTime& time);    // "H:MMam/pm" and "h:mmam/pm": "9:50am"
QString formatNoteMoment(const QDateTime& moment);  // "d/mm/yyyy, h:mm:ssam/pm"
QString formatFileStamp(const QDateTime& moment);   // "yyyy-mm-dd_HH-MM-SS": "2026-12-05_02-18-17"
QString formatThousands(qint64 number);             // "#,###,##0" and longer forms: "-1,234"
QString formatMinDigits(qint64 number, int digits); // "##00", "##0000", "00": at least digits
QString formatWeekdayName(const QDate& date);       // "dddd": the locale's day name
QString formatMonthName(const QDate& date);         // "mmmm": the locale's month name

} // namespace pathwick
