#pragma once

#include <QStringList>

namespace pathwick {

// The drive texts of the drive menu: the mount paths of the platform's volumes, in order.
QStringList driveTexts();

// Whether an entry's expansion belongs to drive (the longest drive that prefixes it on whole
// path components). An empty drive takes every entry.
bool entryBelongsToDrive(const QString& expansion, const QString& drive,
                         const QStringList& allDrives);

} // namespace pathwick
