#pragma once

#include <QDateTime>

namespace pathwick {

// The wall clock, given to the engines that count time so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace pathwick
