#pragma once

#include "support/ScopedEnvironment.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace pathwick::test {

// Puts the test recorder (support/recorder.sh) in place of the opener, recording into a file
// of its own, and reads back what was launched. Detached launches arrive in any order; each
// carries the launch sequence number, which puts them back in order.
class LaunchRecorder {
public:
    LaunchRecorder();
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    // The recorder script and the file it writes.
    static QString program();
    QString file() const;

    // The arguments of each launch in launch order, once `count` have arrived (or after a
    // minute, so a test fails instead of hanging).
    QStringList launches(qsizetype count) const;

private:
    QTemporaryDir folder_;
    ScopedEnvironment environment_;
};

} // namespace pathwick::test
