#pragma once

#include <QDateTime>
#include <QString>

namespace pathwick {

// What a "?HoursMinutes=" or "?DateTime=" request on the command line comes to: a shutdown
// to start after hours and minutes, or a message (title suffix and text) and nothing started.
struct ShutdownRequestOutcome {
    bool start = false;
    int hours = 0;
    int minutes = 0;
    QString titleSuffix;
    QString message;
};

// The longest delay a request may ask for.
inline constexpr int MaxRequestHours = 32767;

// A request as the command line prepares it (":", "/", "\" and "-" turned into ",", spaces
// removed, the keyword in any case). commandLine is the text as received, repeated in the
// date syntax message; now is the moment the request is handled. A text without one of the
// two keywords gives neither a start nor a message.
ShutdownRequestOutcome evaluateShutdownRequest(const QString& prepared, const QString& commandLine,
                                               const QDateTime& now);

} // namespace pathwick
