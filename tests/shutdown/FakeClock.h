#pragma once

#include "shutdown/Clock.h"

namespace pathwick::test {

// A wall clock the test sets and moves.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void advanceSeconds(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};

} // namespace pathwick::test
