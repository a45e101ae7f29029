#include "shutdown/ShutdownRequest.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

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
