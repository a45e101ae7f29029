#pragma once

#include <QStringList>

namespace pathwick {

// The drive texts of the drive menu: the mount paths of the platform's volumes, in order.
QStringList driveTexts();

// Whether an entry's expansion belongs to drive: the drive is the longest of allDrives (and
// drive itself) that prefixes the expansion on whole path components. An empty drive takes
// every entry; expansions that are no absolute path ("shell:" locations) belong to no drive.
bool entryBelongsToDrive(const QString& expansion, const QString& drive,
                         const QStringList& allDrives);

} // namespace pathwick
