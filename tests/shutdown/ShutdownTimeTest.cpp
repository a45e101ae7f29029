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

// The request as the command line hands it over: separators turned into "," and no spaces.
QString prepared(QString request) {
    for (const QChar separator : {QChar(':'), QChar('/'), QChar('\\'), QChar('-')})
        request.replace(separator, QChar(','));
    return request.remove(' ');
}

ShutdownRequestOutcome evaluate(const QString& request, const QDateTime& now) {
    return evaluateShutdownRequest(prepared(request), request, now);
}

const QDateTime Now(QDate(2026, 12, 5), QTime(8, 57, 20));

TEST(ShutdownRequest, StartsTheDelayItNames) {
    struct Case {
        const char* request;
        int hours, minutes;
    };
    const Case cases[] = {
        {"?HoursMinutes=90", 1, 30},
        {"?hoursminutes=0:5", 0, 5},
        {"?HoursMinutes=1,2:30", 26, 30},
        {"?HoursMinutes=1:75", 2, 15},
        {"?HoursMinutes=2.5:0", 2, 0},   // halves go to the even neighbour
        {"?HoursMinutes=3.5:0", 4, 0},
        {"?HoursMinutes=0:4.51", 0, 5},
        {"?HoursMinutes=1:30pm", 1, 30}, // a number ends where its digits do
        {"?HoursMinutes=32767:59", 32767, 59},
        {"?HoursMinutes=000000000000000001:0", 1, 0},
        {"?DateTime=9:00", 24, 3},       // less than 5 minutes ahead today: tomorrow
        {"?DateTime=9:03", 0, 6},
        {"?DateTime=12:00am", 15, 3},
        {"?DateTime=8:56PM", 11, 59},
        {"?DateTime=2026/12/06, 10:30pm", 37, 33},
        {"?DateTime=2026-12-05, 9:90", 1, 33}, // minutes past 59 roll into hours
        {"?DateTime=2026/12/05, 33:00", 24, 3},
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
    const Case cases[] = {
        {"?HoursMinutes=4", " - Time too soon:", "Time value must be 5 minutes or longer."},
        {"?HoursMinutes=", " - Time too soon:", "Value too small."},
        {"?HoursMinutes=1,2,3,4", " - Syntax error:", "or\t?HoursMinutes=days,hours:minutes"},
        {"?HoursMinutes=32768:0", " - Time too long:", "32,767 hours"},
        {"?HoursMinutes=2000,0:0", " - Time too long:", "32,767 hours"},
        {"?HoursMinutes=123456789012345678901234567890", " - Time too long:", "Value too large."},
        {"?HoursMinutes=1:123456789012345678901234567890", " - Time too long:", "Value too large."},
        {"?DateTime=10:30,xyz", " - Syntax error:", "?DateTime=10:30,xyz is an invalid value."},
        {"?DateTime=", " - Syntax error:", "or\t?DateTime=H:MMam/pm"},
        {"?DateTime=2020/01/01, 10:30", " - Date/time too soon, expired or invalid:",
         "must be 5 minutes or more in the future."},
        {"?DateTime=2026/12/05, 9:01", " - Date/time too soon, expired or invalid:", "Date and time too soon"},
        {"?DateTime=2027/02/30, 10:00", " - Date/time too soon, expired or invalid:",
         "There is no date 2027/02/30.\r\nError: 5\r\n"},
        {"?DateTime=9999/12/31, 10:00", " - Date/time too soon, expired or invalid:", "Overflow.\r\nError: 6"},
        {"?DateTime=123456789012345678901234567890:00", " - Date/time too soon, expired or invalid:",
         "Overflow."},
        // Not requests at all: nothing to say.
        {"?Other=5", "", ""},
        {"/home/user", "", ""},
    };
    for (const Case& c : cases) {
        const ShutdownRequestOutcome outcome = evaluate(c.request, Now);
        EXPECT_FALSE(outcome.start) << c.request;
        EXPECT_EQ(outcome.titleSuffix, c.titleSuffix) << c.request;
        EXPECT_EQ(outcome.message.isEmpty(), !*c.inMessage) << c.request;
        EXPECT_TRUE(outcome.message.contains(c.inMessage))
            << c.request << ": " << outcome.message.toStdString();
    }
}

TEST(ShutdownRequest, TimeOnlyRollsOverMidnightAndYearEnd) {
    const QDateTime lastMinute(QDate(2026, 12, 31), QTime(23, 58));
    const ShutdownRequestOutcome outcome = evaluate("?DateTime=0:00", lastMinute);
    ASSERT_TRUE(outcome.start);
    EXPECT_EQ(outcome.hours * 60 + outcome.minutes, 24 * 60 + 2);
}

} // namespace
} // namespace pathwick
