#include "settings/SystemValues.h"

#include "platform/Platform.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

#include <QRegularExpression>

namespace pathwick::store {

namespace {

bool same(const QString& text, const char* name) {
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

template <typename T> bool isValue(const QString& name, const catalogue::SystemValue<T>& value) {
    return same(name, value.name);
}

std::optional<EncodedValue> number(qint32 value) {
    return encodeValue(Letter::Number32, value);
}

std::optional<EncodedValue> text(const QString& value) {
    return encodeValue(Letter::String, value);
}

std::optional<EncodedValue> timeZoneValue(const QString& name) {
    using namespace catalogue;
    if (!isValue(name, ActiveTimeBias) && !isValue(name, StandardBias) &&
        !isValue(name, DaylightBias) && !isValue(name, Bias) && !isValue(name, TimeZoneKeyName))
        return std::nullopt;
    const platform::TimeZoneValues zone = platform::system().timeZone();
    if (isValue(name, ActiveTimeBias))
        return number(zone.activeTimeBias);
    if (isValue(name, StandardBias))
        return number(zone.standardBias);
    if (isValue(name, DaylightBias))
        return number(zone.daylightBias);
    if (isValue(name, Bias))
        return number(zone.bias);
    if (zone.keyName.isEmpty())
        return std::nullopt;
    return text(zone.keyName);
}

// "6.1.0-18-amd64": 6 and 1 are the version, 0 the build.
std::optional<EncodedValue> versionValue(const QString& name) {
    using namespace catalogue;
    const bool major = isValue(name, CurrentMajorVersionNumber);
    const bool minor = isValue(name, CurrentMinorVersionNumber);
    const bool build = isValue(name, CurrentBuildNumber) || isValue(name, CurrentBuild);
    if (!major && !minor && !build)
        return std::nullopt;
    static const QRegularExpression release(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = release.match(platform::system().kernelRelease());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    if (major || minor) {
        const qint32 value = match.captured(major ? 1 : 2).toInt(&ok);
        return ok ? number(value) : std::nullopt;
    }
    if (match.captured(3).isEmpty())
        return std::nullopt;
    return text(match.captured(3));
}

} // namespace

std::optional<EncodedValue> systemValue(quint32 root, const QString& keyPath,
                                        const QString& valueName) {
    if (root != RootKey::LocalMachine)
        return std::nullopt;
    if (same(keyPath, catalogue::TimeZoneKey))
        return timeZoneValue(valueName);
    if (same(keyPath, catalogue::WindowsVersionKey))
        return versionValue(valueName);
    return std::nullopt;
}

} // namespace pathwick::store
