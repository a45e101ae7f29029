#pragma once

#include "platform/SystemInfo.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

namespace pathwick::platform {

// The Windows time-zone values of a zone at the moment `now`: the biases in minutes, the
// daylight bias from the offsets the zone uses in `now`'s year (0 when it keeps one offset
// all year). The key name is left for windowsZoneId.
TimeZoneValues timeZoneValues(const QTimeZone& zone, const QDateTime& now);

// The Windows zone id of an IANA id, trying the id's aliases when Qt does not know the id
// itself; "" when none is known.
QString windowsZoneId(const QByteArray& ianaId, const QStringList& aliases);

// The other names under a zoneinfo folder for the same zone as `ianaId` (links to the same
// file, or files with the same content), in sorted order. The posix/ and right/ copies are
// not looked at.
QStringList zoneAliases(const QString& zoneinfoFolder, const QString& ianaId);

} // namespace pathwick::platform
