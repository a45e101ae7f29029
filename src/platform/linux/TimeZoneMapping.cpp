#include "platform/linux/TimeZoneMapping.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace pathwick::platform {

TimeZoneValues timeZoneValues(const QTimeZone& zone, const QDateTime& now) {
    TimeZoneValues values;
    const int standardOffset = zone.standardTimeOffset(now);
    values.activeTimeBias = -zone.offsetFromUtc(now) / 60;
    values.bias = -standardOffset / 60;
    values.standardBias = 0;

    const int year = now.toTimeZone(zone).date().year();
    const QDateTime start(QDate(year, 1, 1), QTime(0, 0), zone);
    const QDateTime end(QDate(year + 1, 1, 1), QTime(0, 0), zone);
    int daylightOffset = 0;
    for (const QTimeZone::OffsetData& transition : zone.transitions(start, end))
        daylightOffset = std::max(daylightOffset, transition.daylightTimeOffset);
    if (daylightOffset == 0 && zone.isDaylightTime(start))
        daylightOffset = zone.daylightTimeOffset(start);
    values.daylightBias = -daylightOffset / 60;
    return values;
}

QString windowsZoneId(const QByteArray& ianaId, const QStringList& aliases) {
    QByteArray id = QTimeZone::ianaIdToWindowsId(ianaId);
    for (qsizetype i = 0; id.isEmpty() && i < aliases.size(); ++i)
        id = QTimeZone::ianaIdToWindowsId(aliases[i].toUtf8());
    return QString::fromUtf8(id);
}

QStringList zoneAliases(const QString& zoneinfoFolder, const QString& ianaId) {
    const QString folder = QFileInfo(zoneinfoFolder).absoluteFilePath();
    const QFileInfo zoneFile(folder + u'/' + ianaId);
    const QString real = zoneFile.canonicalFilePath();
    if (real.isEmpty() || !zoneFile.isFile())
        return {};
    QFile file(real);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();

    QStringList aliases;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = path.mid(folder.size() + 1);
        if (name == ianaId || name.startsWith(u"posix/") || name.startsWith(u"right/"))
            continue;
        const QFileInfo info(path);
        if (info.size() != content.size())
            continue;
        bool same = info.canonicalFilePath() == real;
        if (!same) {
            QFile other(path);
            same = other.open(QIODevice::ReadOnly) && other.readAll() == content;
        }
        if (same)
            aliases.append(name);
    }
    std::sort(aliases.begin(), aliases.end());
    return aliases;
}

} // namespace pathwick::platform
