#include "shutdown/ShutdownTime.h"
#include "shutdown/RebootSchedule.h"
#include "shutdown/ShutdownRequest.h"

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
        {at(2026, 12, 5, 10, 0), 1, 0, 0, 2, "11:00am, 5/12/2026"},
        {at(2026, 12, 31, 23, 59, 30), 0, 0, 45, 1, "12:00am, 1/01/2027"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeIn(c.now, c.hours, c.minutes, c.seconds, c.dateIfNotToday), c.expected)
            << c.expected;
}

TEST(MenuCaptions, UserTimeCaption) {
    EXPECT_EQ(userTimeCaption(1, 30), "Shutdown in 1 hour and 30 mins. (See options)");
    EXPECT_EQ(userTimeCaption(0, 0), "Shutdown user value not set (See options)");
    EXPECT_EQ(userTimeCaption(2, 1), "Shut&down in 2 hours and 1 min. (See options)");
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
        {at(2026, 12, 5, 10, 20), 3, 0, 1, 6, 4 * 60 + 40, "Shutdown at 3:00pm"},
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

// Requests as the command line hands them over: separators turned into "," and no spaces.
ShutdownRequestOutcome evaluate(const QString& request, const QDateTime& now) {
    return evaluateShutdownRequest(request, request, now);
}

const QDateTime Now(QDate(2026, 12, 5), QTime(8, 57, 20));

TEST(ShutdownRequest, StartsTheDelayItNames) {
    struct Case {
        const char* request;
        int hours, minutes;
    };
    const Case cases[] = {
        // Exact hours,minutes delays and 24- or 12-hour moments are the fuzz target's.
        {"?HoursMinutes=90", 1, 30},
        {"?HoursMinutes=1,2,30", 26, 30},
        {"?HoursMinutes=2.5,0", 2, 0}, // halves go to the even neighbour
        {"?HoursMinutes=0,4.51", 0, 5},
        {"?HoursMinutes=1,30pm", 1, 30}, // a number ends where its digits do
        {"?HoursMinutes=000000000000000001,0", 1, 0},
        {"?DateTime=9,00", 24, 3}, // less than 5 minutes ahead today: tomorrow
        {"?DateTime=9,03", 0, 6},
        {"?DateTime=2026,12,05,33,00", 24, 3}, // hours past 23 roll into days
    };
    for (const Case& c : cases) {
        const ShutdownRequestOutcome outcome = evaluate(c.request, Now);
        EXPECT_TRUE(outcome.start) << c.request << ": " << outcome.message.toStdString();
        EXPECT_EQ(outcome.hours, c.hours) << c.request;
        EXPECT_EQ(outcome.minutes, c.minutes) << c.request;
    }
}

TEST(ShutdownRequest, StartsNothingAndSaysWhy) {
    struct Case {
        const char* request;
        const char* titleSuffix;
        const char* inMessage;
    };
    const char* const dateTitle = " - Date/time too soon, expired or invalid:";
    const Case cases[] = {
        // Too short, too long and other texts than requests are the fuzz target's.
        {"?HoursMinutes=", " - Time too soon:", "5 minutes or longer"},
        {"?HoursMinutes=1,2,3,4", " - Syntax error:", "?HoursMinutes=days,hours:minutes"},
        {"?HoursMinutes=2000,0,0", " - Time too long:", "32,767 hours or less"},
        {"?HoursMinutes=1,123456789012345678901234567890", " - Time too long:", "32,767 hours"},
        {"?DateTime=10,30,xyz", " - Syntax error:", "?DateTime=10,30,xyz is an invalid value."},
        {"?DateTime=2020,01,01,10,30", dateTitle, "5 minutes or more in the future."},
        {"?DateTime=2027,02,30,10,00", dateTitle, "There is no date 2027/02/30.\r\nError: 5\r\n"},
        {"?DateTime=9999,12,31,10,00", dateTitle, "Overflow.\r\nError: 6"},
        {"?DateTime=123456789012345678901234567890,00", dateTitle, "Overflow."},
    };
    for (const Case& c : cases) {
        const ShutdownRequestOutcome outcome = evaluate(c.request, Now);
        EXPECT_FALSE(outcome.start) << c.request;
        EXPECT_EQ(outcome.titleSuffix, c.titleSuffix) << c.request;
        EXPECT_TRUE(outcome.message.contains(c.inMessage))
            << c.request << ": " << outcome.message.toStdString();
    }
}

TEST(ShutdownRequest, TimeOnlyRollsOverMidnightAndYearEnd) {
    const QDateTime lastMinute(QDate(2026, 12, 31), QTime(23, 58));
    const ShutdownRequestOutcome outcome = evaluate("?DateTime=0,00", lastMinute);
    ASSERT_TRUE(outcome.start);
    EXPECT_EQ(outcome.hours * 60 + outcome.minutes, 24 * 60 + 2);
}

} // namespace
} // namespace pathwick
