#pragma once

#include <QString>

namespace pathwick::platform {

// The local time zone in the terms of the Windows time-zone values (minutes; bias = -offset).
struct TimeZoneValues {
    int activeTimeBias = 0;
    int bias = 0;
    int standardBias = 0;
    int daylightBias = 0;
    QString keyName; // the Windows zone id, e.g. "W. Europe Standard Time"
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual QString hostName() = 0;
    virtual QString osPrettyName() = 0;  // e.g. "Debian GNU/Linux 12 (bookworm)"
    virtual QString kernelRelease() = 0; // e.g. "6.1.0-18-amd64"
    virtual TimeZoneValues timeZone() = 0;
};

} // namespace pathwick::platform
