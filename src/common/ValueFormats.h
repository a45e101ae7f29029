#pragma once

#include <QDateTime>
#include <QString>

namespace pathwick {

// The value formats the program writes, each in one place.
QString formatDate_d_mm_yyyy(const QDate& date);                 // "5/12/2026"
QString formatTime_h_mm_ss_ampm(const QTime& time);              // "1:45:44am"
QString formatTime_H_MM_ampm(const QTime& time);                 // "9:50am"
QString formatNoteMoment(const QDateTime& moment);               // "5/12/2026, 1:45:44am"
QString formatFileStamp(const QDateTime& moment);                // "2026-12-05_02-18-17"
QString formatThousands(qint64 number);                          // "#,###,##0": "1,234"
QString formatMinDigits(qint64 number, int digits);              // "##00", "##0000", "00"
QString formatWeekdayName(const QDate& date);                    // "dddd": locale's day name
QString formatMonthName(const QDate& date);                      // "mmmm": locale's month name

} // namespace pathwick
