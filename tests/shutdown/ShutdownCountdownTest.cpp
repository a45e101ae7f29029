#include "ShutdownFixture.h"

#include <QSignalSpy>

namespace pathwick {
namespace {

// The minutes shown, the warning and the end follow the wall clock, not the number of ticks.
TEST(ShutdownCountdown, WarnsOnTheTickBeforeTheLastAndEndsOnTime) {
    struct Case {
        qint64 minutes;
        int jumpTick; // before this tick the clock jumps jumpSeconds more than the minute
        qint64 jumpSeconds;
        qint64 firstShown;
        int warningTick, finishedTick;
    };
    const Case cases[] = {
        {60, 0, 0, 59, 59, 60},
        {1, 0, 0, 0, 1, 1},
        {0, 0, 0, 59, 59, 60},        // nothing set counts a full hour
        {60, 1, 44 * 60, 15, 15, 16}, // the machine slept 44 minutes before the first tick
        {30, 2, 120 * 60, 29, 2, 2},  // a sleep past the moment ends it at the next tick
        {2, 1, 1, 1, 1, 2},           // a tick a second late still shows one minute, not none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minutes << " minutes, jump " << c.jumpSeconds);
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(15, 0)));
        ShutdownCountdown countdown(clock);
        QSignalSpy shown(&countdown, &ShutdownCountdown::minutesLeftChanged);
        QSignalSpy warned(&countdown, &ShutdownCountdown::lastMinute);
        QSignalSpy finished(&countdown, &ShutdownCountdown::finished);
        countdown.start(c.minutes);
        int tick = 0;
        int warningTick = 0;
        while (finished.isEmpty() && tick < 100000) {
            ++tick;
            clock.advanceSeconds(60 + (tick == c.jumpTick ? c.jumpSeconds : 0));
            countdown.tick();
            if (warningTick == 0 && !warned.isEmpty())
                warningTick = tick;
        }
        EXPECT_EQ(shown.value(0).value(0).toLongLong(), c.firstShown);
        EXPECT_EQ(warningTick, c.warningTick);
        EXPECT_EQ(tick, c.finishedTick);
    }
}

} // namespace
} // namespace pathwick
