#include "shutdown/RebootSchedule.h"
#include "shutdown/ShutdownTime.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

TEST(TimeIn, AddsTheDelayAndNamesAnotherDay) {
    struct Case {
        QDateTime now;
        int hours, minutes, seconds, dateIfNotToday;
        const char* expected;
    };
    const Case cases[] = {
        {at(2026, 12, 5, 23, 30), 1, 0, 0, 1, "12:30am, 6/12/2026"},
        {at(2026, 12, 5, 10, 0), 1, 0, 0, 1, "11:00am"},
        {at(2026, 12, 5, 10, 0), 1, 0, 0, 2, "11:00am, 5/12/2026"},
        {at(2026, 12, 31, 23, 59, 30), 0, 0, 45, 1, "12:00am, 1/01/2027"},
        {at(2026, 12, 5, 11, 55), 0, 65, 0, 1, "1:00pm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeIn(c.now, c.hours, c.minutes, c.seconds, c.dateIfNotToday), c.expected)
            << c.expected;
}

TEST(MenuCaptions, UserTimeAndCountdown) {
    EXPECT_EQ(userTimeCaption(5, 0), "Shut&down in 5 hours (See options)");
    EXPECT_EQ(userTimeCaption(1, 30), "Shutdown in 1 hour and 30 mins. (See options)");
    EXPECT_EQ(userTimeCaption(0, 0), "Shutdown user value not set (See options)");
    EXPECT_EQ(userTimeCaption(2, 1), "Shut&down in 2 hours and 1 min. (See options)");

    struct Case {
        qint32 hours, minutes;
        int clampedHours, clampedMinutes;
    };
    const Case cases[] = {{500, 75, 168, 60}, {-3, -1, 0, 0}, {168, 60, 168, 60}, {0, 0, 0, 0},
                          {INT32_MAX, INT32_MIN, 168, 0}};
    for (const Case& c : cases) {
        const Delay delay = userTimeDelay(c.hours, c.minutes);
        EXPECT_EQ(delay.hours, c.clampedHours);
        EXPECT_EQ(delay.minutes, c.clampedMinutes);
    }
    EXPECT_EQ(countdownCaption(1234, "4:30pm"), "1,234 minutes untli 4:30pm");
}

TEST(RebootSchedule, DueAtTheFirstOccurrenceFiveMinutesAhead) {
    struct Case {
        QDateTime now;
        int hours, minutes, ampm, index;
        qint64 expectedMinutes;
        const char* caption;
    };
    const Case cases[] = {
        {at(2026, 12, 5, 0, 27), 12, 30, 0, 6, 24 * 60 + 3, "Shutdown at 12:30am"},
        {at(2026, 12, 5, 10, 20), 3, 0, 0, 4, 4 * 60 + 40, "Shutdown at 3:00pm"},
        {at(2026, 12, 5, 10, 20), 3, 0, 1, 6, 4 * 60 + 40, "Shutdown at 3:00pm"},
        {at(2026, 12, 5, 14, 56), 3, 0, 1, 1, 2 * 60 + 4, "Shutdown at 5:00pm"},
        // A set time far in the past of the day steps forward by the period.
        {at(2026, 12, 5, 23, 50), 12, 0, 0, 2, 10, "Shutdown at 12:00am"},
        // An index outside the list means a week.
        {at(2026, 12, 5, 10, 0), 9, 0, 0, 9, 7 * 24 * 60 - 60, "Shutdown at 9:00am"},
        // Stored numbers outside the lists are used as they are.
        {at(2026, 12, 5, 10, 0), 500, 0, 0, 5, 10 * 60, "Shutdown at 8:00pm"},
    };
    for (const Case& c : cases) {
        const RebootDue due = rebootDue(c.now, c.hours, c.minutes, c.ampm, c.index);
        EXPECT_EQ(due.minutes, c.expectedMinutes) << c.caption;
        EXPECT_EQ(rebootTimeStringCaption(due.time), c.caption);
    }
}

TEST(RebootSchedule, ExplanationListsTheDayAndTheNextTime) {
    const RebootExplanation six = rebootExplanation(4, "  3", "00", "am", QTime(22, 0));
    EXPECT_EQ(six.caption, "Bootup time:   (Every 6 hours)");
    EXPECT_EQ(six.repeatText, "repeating every 6 hours");
    EXPECT_EQ(six.example, "Re-boot 4 times a day, every 6 hours.\r\nEG.\r\n"
                           "Re-boot at; 3:00am, 9:00am, 3:00pm, 9:00pm\r\n"
                           "Time now;         10:00pm\r\nNext re-boot at; 3:00am");

    const RebootExplanation two = rebootExplanation(1, "12", "15", "pm", QTime(13, 0));
    EXPECT_TRUE(two.example.contains("\r\nEG. Re-boot at; 12:15am, 2:15am,")) << two.example.toStdString();
    EXPECT_TRUE(two.example.endsWith("Next re-boot at; 2:15pm")) << two.example.toStdString();

}

} // namespace
} // namespace pathwick
