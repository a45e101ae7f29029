#include "common/ValueFormats.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(ValueFormats, DatesAndTwelveHourTimesAroundMidnightAndNoon) {
    EXPECT_EQ(formatDate_d_mm_yyyy(QDate(987, 1, 1)), "1/01/0987");
    const std::tuple<QTime, const char*, const char*> times[] = {
        {QTime(0, 0, 0), "12:00:00am", "12:00am"},  {QTime(0, 59, 59), "12:59:59am", "12:59am"},
        {QTime(9, 5, 44), "9:05:44am", "9:05am"},   {QTime(11, 59, 59), "11:59:59am", "11:59am"},
        {QTime(12, 0, 0), "12:00:00pm", "12:00pm"}, {QTime(13, 5, 9), "1:05:09pm", "1:05pm"},
        {QTime(23, 59, 0), "11:59:00pm", "11:59pm"}};
    for (const auto& [time, withSeconds, withoutSeconds] : times) {
        EXPECT_EQ(formatTime_h_mm_ss_ampm(time), withSeconds);
        EXPECT_EQ(formatTime_H_MM_ampm(time), withoutSeconds);
    }
    EXPECT_EQ(formatFileStamp(QDateTime(QDate(2026, 1, 9), QTime(23, 4, 5))),
              "2026-01-09_23-04-05");
}

TEST(ValueFormats, NumbersWithSeparatorsAndMinimumDigits) {
    const std::pair<qint64, const char*> thousands[] = {
        {999, "999"},
        {1000, "1,000"},
        {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"}};
    for (const auto& [number, text] : thousands)
        EXPECT_EQ(formatThousands(number), text);
    EXPECT_EQ(formatMinDigits(-5, 2), "-05");
}
