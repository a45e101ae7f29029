#include "platform/linux/LinuxSystemInfo.h"

#include "platform/linux/OsRelease.h"
#include "platform/linux/TimeZoneMapping.h"

#include <QFile>
#include <QSysInfo>
#include <sys/utsname.h>

namespace pathwick::platform {

QString LinuxSystemInfo::hostName() {
    return QSysInfo::machineHostName();
}

QString LinuxSystemInfo::osPrettyName() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            return prettyNameFromOsRelease(QString::fromUtf8(file.readAll()));
    }
    return {};
}

QString LinuxSystemInfo::kernelRelease() {
    struct utsname names {};
    if (uname(&names) != 0)
        return {};
    return QString::fromLocal8Bit(names.release);
}

TimeZoneValues LinuxSystemInfo::timeZone() {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    TimeZoneValues values = timeZoneValues(zone, QDateTime::currentDateTimeUtc());
    const QByteArray ianaId = zone.id();
    auto known = windowsIds_.constFind(ianaId);
    if (known == windowsIds_.constEnd()) {
        QString id = windowsZoneId(ianaId, {});
        if (id.isEmpty())
            id = windowsZoneId(ianaId, zoneAliases(QStringLiteral("/usr/share/zoneinfo"),
                                                   QString::fromUtf8(ianaId)));
        known = windowsIds_.insert(ianaId, id);
    }
    values.keyName = *known;
    return values;
}

} // namespace pathwick::platform
