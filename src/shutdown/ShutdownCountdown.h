#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace pathwick {

class Clock;

// Counts down to a moment on the wall clock, one tick a minute. Each tick reports the whole
// minutes left as the clock tells them, so after a suspend the display and the end follow
// the real time, not the number of ticks. The tick that leaves one minute or less warns;
// the tick at or after the moment ends the countdown.
class ShutdownCountdown : public QObject {
    Q_OBJECT
public:
    explicit ShutdownCountdown(const Clock& clock, QObject* parent = nullptr);

    // Counts down the given minutes from now; 0 or less counts a full hour, as the minute
    // ticks of a zero start always did.
    void start(qint64 minutes);
    void stop();
    bool isRunning() const { return running_; }
    QDateTime deadline() const { return deadline_; }
    // Whole minutes left, rounded up; 0 or less once the moment has come.
    qint64 minutesLeft() const;

    // One tick; the timer calls it, tests may call it after setting the clock.
    void tick();

signals:
    void minutesLeftChanged(qint64 minutesLeft);
    void lastMinute();
    void finished();

private:
    void scheduleNextTick();

    const Clock& clock_;
    QTimer timer_;
    QDateTime deadline_;
    bool running_ = false;
};

} // namespace pathwick
