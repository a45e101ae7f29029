#pragma once

#include "platform/SystemInfo.h"

#include <QHash>

namespace pathwick::platform {

// Host name, distribution name (/etc/os-release), kernel release (uname) and the system
// time zone (honours TZ).
class LinuxSystemInfo : public SystemInfo {
public:
    QString hostName() override;
    QString osPrettyName() override;
    QString kernelRelease() override;
    TimeZoneValues timeZone() override;

private:
    QHash<QByteArray, QString> windowsIds_; // by IANA id; the alias search reads many files
};

} // namespace pathwick::platform
