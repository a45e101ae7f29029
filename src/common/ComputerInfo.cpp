#include "common/ComputerInfo.h"

#include "common/CommonTexts.h"
#include "common/StringServices.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

#include <QRegularExpression>

namespace pathwick {

namespace {

constexpr int VersionInfoSize = 148;

// The leading whole number of a text, 0 when it does not begin with one.
int leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const int value = match.captured(1).toInt(&ok);
    return ok ? value : 0;
}

QString versionDetails(const PlatformVersion& v) {
    return QString::number(v.platformId) + texts::OsDetailsVersion + QString::number(v.major) +
           '.' + QString::number(v.minor) + ' ' + v.servicePack + texts::OsDetailsInfoSize +
           QString::number(VersionInfoSize) + texts::OsDetailsBuild + QString::number(v.build);
}

QString windowsName(const PlatformVersion& v) {
    const QString unknown = texts::UnknownOsStart + versionDetails(v) + texts::UnknownOsEnd;
    if (v.platformId < 0)
        return texts::UnknownWindows;
    switch (v.platformId) {
    case 0:
        switch (v.major) {
        case 1:
            return texts::Windows1;
        case 2:
            return texts::Windows2;
        case 3:
            return texts::Windows3;
        default:
            return unknown;
        }
    case 1:
        switch (v.minor) {
        case 0:
            return texts::Windows95;
        case 10:
            return texts::Windows98;
        case 90:
            return texts::WindowsMe;
        default:
            return unknown;
        }
    case 2:
        switch (v.major) {
        case 3:
            return texts::WindowsNt351;
        case 4:
            return texts::WindowsNt40;
        case 5:
            return v.minor > 0 ? texts::WindowsXp : texts::Windows2000;
        case 6:
            switch (v.minor) {
            case 0:
                return texts::WindowsVista;
            case 1:
                return texts::Windows7;
            case 2:
                return texts::Windows8;
            case 3:
                return texts::Windows81;
            default:
                return v.minor > 3 ? QString(texts::Windows9) : unknown;
            }
        case 10:
            return texts::Windows10;
        default:
            return texts::UnknownWindows;
        }
    default:
        return unknown;
    }
}

// The system's own report: on Linux the distribution's name and the kernel's version numbers.
PlatformVersion reportedVersion() {
    platform::SystemInfo& system = platform::system();
    PlatformVersion v;
    v.platformId = LinuxPlatformId;
    const QStringList numbers = system.kernelRelease().split('.');
    v.major = leadingNumber(numbers.value(0));
    v.minor = leadingNumber(numbers.value(1));
    v.build = leadingNumber(numbers.value(2));
    v.firstMajor = v.major;
    v.firstMinor = v.minor;
    v.firstBuild = v.build;
    v.systemName = system.osPrettyName().trimmed();
    return v;
}

qint32 readStored(const catalogue::SystemValue<qint32>& stored) {
    QVariant value;
    ReadSetting(stored.root, stored.keyPath, stored.name, QStringLiteral("D"), stored.defaultValue,
                value);
    return value.toInt();
}

QString readStored(const catalogue::SystemValue<const char*>& stored) {
    QVariant value;
    ReadSetting(stored.root, stored.keyPath, stored.name, QStringLiteral("S"),
                QString(stored.defaultValue), value);
    return value.toString();
}

StoredVersion storedVersion() {
    StoredVersion stored;
    stored.currentMajorVersionNumber = readStored(catalogue::CurrentMajorVersionNumber);
    stored.currentMinorVersionNumber = readStored(catalogue::CurrentMinorVersionNumber);
    stored.currentBuildNumber = readStored(catalogue::CurrentBuildNumber);
    stored.currentBuild = readStored(catalogue::CurrentBuild);
    stored.csdVersion = readStored(catalogue::CSDVersion);
    return stored;
}

} // namespace

QString OSName() {
    return platform::system().hostName().trimmed();
}

PlatformVersion correctedVersion(const PlatformVersion& reported, const StoredVersion& stored) {
    PlatformVersion v = reported;
    v.servicePack = trimSpaces(v.servicePack);
    if (stored.currentMajorVersionNumber > -1)
        v.major = stored.currentMajorVersionNumber;
    if (stored.currentMinorVersionNumber > -1)
        v.minor = stored.currentMinorVersionNumber;
    if (const int build = leadingNumber(stored.currentBuildNumber); build != 0)
        v.build = build;
    else if (const int other = leadingNumber(stored.currentBuild); other != 0)
        v.build = other;
    if (stored.csdVersion != QLatin1String(catalogue::CSDVersion.defaultValue))
        v.servicePack = stored.csdVersion;
    return v;
}

QString platformText(const PlatformVersion& v, int option) {
    const QString name = v.systemName.isEmpty() ? windowsName(v) : v.systemName;
    switch (option) {
    case 0:
        return name;
    case 1:
        return trimSpaces(name + ' ' + v.servicePack);
    case 2:
        return trimSpaces(v.servicePack);
    case 3:
        return QString::number(v.platformId);
    case 4:
        return QString::number(v.major);
    case 5:
        return QString::number(v.minor);
    case 6:
        return QString::number(v.major) + '.' + QString::number(v.minor);
    case 7:
        return QString::number(VersionInfoSize);
    case 8:
        return QString::number(v.build);
    case 9:
        return QString::number(v.firstMajor);
    case 10:
        return QString::number(v.firstMinor);
    case 11:
        return QString::number(v.firstMajor) + '.' + QString::number(v.firstMinor);
    case 12:
        return QString::number(v.firstBuild);
    default:
        if (option < 0)
            return name + texts::OsDetailsStart + versionDetails(v) + texts::OsDetailsEnd;
        return texts::BadOptionStart + QString::number(option) + texts::BadOptionEnd;
    }
}

QString ComputerPlatform(int option) {
    return platformText(correctedVersion(reportedVersion(), storedVersion()), option);
}

} // namespace pathwick
