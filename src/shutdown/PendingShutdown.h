#pragma once

#include <QString>

namespace pathwick {

// Whether the text of /run/systemd/shutdown/scheduled announces a shutdown: a USEC line with
// a moment after the epoch. Anything unreadable counts as none.
bool scheduledFileSaysPending(const QString& fileText);

// Asks the system whether it has a shutdown pending.
class PendingShutdownProbe {
public:
    virtual ~PendingShutdownProbe() = default;
    virtual bool pending() = 0;
};

// logind's ScheduledShutdown over the system bus (1 s time-out), then the scheduled file;
// no bus and no file mean none pending.
class SystemPendingShutdownProbe : public PendingShutdownProbe {
public:
    bool pending() override;
};

} // namespace pathwick
