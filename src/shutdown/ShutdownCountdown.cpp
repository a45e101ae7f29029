#include "shutdown/ShutdownCountdown.h"

#include "shutdown/Clock.h"

namespace pathwick {

namespace {

constexpr qint64 MinuteMs = 60000;
constexpr qint64 ZeroStartMinutes = 60;
// Ticks come just after each whole minute before the moment, never just before it.
constexpr qint64 TickLateMs = 20;

} // namespace

ShutdownCountdown::ShutdownCountdown(const Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock) {
    timer_.setObjectName(QStringLiteral("tim_ComputerShutdownTimer"));
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ShutdownCountdown::tick);
}

void ShutdownCountdown::start(qint64 minutes) {
    deadline_ = clock_.now().addSecs((minutes > 0 ? minutes : ZeroStartMinutes) * 60);
    running_ = true;
    scheduleNextTick();
}

void ShutdownCountdown::stop() {
    running_ = false;
    timer_.stop();
}

qint64 ShutdownCountdown::minutesLeft() const {
    const qint64 ms = clock_.now().msecsTo(deadline_);
    return ms > 0 ? (ms + MinuteMs - 1) / MinuteMs : ms / MinuteMs;
}

void ShutdownCountdown::tick() {
    if (!running_)
        return;
    const qint64 left = minutesLeft();
    emit minutesLeftChanged(left);
    if (left <= 1)
        emit lastMinute();
    if (left <= 0) {
        stop();
        emit finished();
        return;
    }
    scheduleNextTick();
}

void ShutdownCountdown::scheduleNextTick() {
    const qint64 ms = clock_.now().msecsTo(deadline_);
    const qint64 toBoundary = ms > 0 && ms % MinuteMs != 0 ? ms % MinuteMs : MinuteMs;
    timer_.start(int(toBoundary + TickLateMs));
}

} // namespace pathwick
