#include "ShutdownFixture.h"

namespace pathwick {
namespace {

struct Counted {
    QList<qint64> shown;
    int warnings = 0;
    int firstWarningTick = 0;
    int finishedTick = 0;
};

// Ticks each simulated minute, after the clock jump (seconds) given for that tick, to the end.
Counted countDown(qint64 startMinutes, QMap<int, qint64> jumpBeforeTick = {}) {
    test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(15, 0)));
    ShutdownCountdown countdown(clock);
    Counted counted;
    int tickNumber = 0;
    QObject::connect(&countdown, &ShutdownCountdown::minutesLeftChanged,
                     [&](qint64 left) { counted.shown.append(left); });
    QObject::connect(&countdown, &ShutdownCountdown::lastMinute, [&] {
        if (counted.warnings++ == 0)
            counted.firstWarningTick = tickNumber;
    });
    QObject::connect(&countdown, &ShutdownCountdown::finished,
                     [&] { counted.finishedTick = tickNumber; });
    countdown.start(startMinutes);
    while (countdown.isRunning() && tickNumber < 100000) {
        ++tickNumber;
        clock.advanceSeconds(60 + jumpBeforeTick.value(tickNumber));
        countdown.tick();
    }
    return counted;
}

TEST(ShutdownCountdown, WarnsOnTheTickBeforeTheLastAndEndsOnTime) {
    struct Case {
        qint64 minutes;
        int warningTick, finishedTick;
    };
    const Case cases[] = {{60, 59, 60}, {1, 1, 1}, {0, 59, 60}, {2, 1, 2}};
    for (const Case& c : cases) {
        const Counted counted = countDown(c.minutes);
        EXPECT_EQ(counted.firstWarningTick, c.warningTick) << c.minutes;
        EXPECT_EQ(counted.finishedTick, c.finishedTick) << c.minutes;
        EXPECT_EQ(counted.warnings, c.finishedTick == c.warningTick ? 1 : 2) << c.minutes;
    }
}

TEST(ShutdownCountdown, FollowsTheWallClockAfterASuspendOrALateTick) {
    // The clock jumps 45 minutes while the machine sleeps before the first tick.
    const Counted counted = countDown(60, {{1, 44 * 60}});
    EXPECT_EQ(counted.shown.first(), 15);
    EXPECT_EQ(counted.firstWarningTick, 15);
    EXPECT_EQ(counted.finishedTick, 16);

    // A sleep past the moment ends the countdown at the next tick.
    const Counted late = countDown(30, {{2, 120 * 60}});
    EXPECT_EQ(late.finishedTick, 2);
    EXPECT_LE(late.shown.last(), 0);

    // Minutes left count up: a tick a second late still shows one minute, not none.
    EXPECT_EQ(countDown(2, {{1, 1}}).shown.first(), 1);
}

} // namespace
} // namespace pathwick
