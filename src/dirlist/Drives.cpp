#include "dirlist/Drives.h"

#include "platform/Platform.h"

#include <QDir>

namespace pathwick {

namespace {

// Mount paths are compared as written by the system: letter case counts.
bool prefixesOnComponents(const QString& mountPath, const QString& path) {
    if (mountPath == QStringLiteral("/"))
        return path.startsWith(u'/');
    return path.startsWith(mountPath) &&
           (path.size() == mountPath.size() || path.at(mountPath.size()) == u'/');
}

QString cleanMountPath(const QString& mountPath) {
    return mountPath.isEmpty() ? QString() : QDir::cleanPath(mountPath);
}

} // namespace

QStringList driveTexts() {
    QStringList drives;
    for (const platform::Volume& volume : platform::volumes().list())
        drives.append(volume.mountPath);
    return drives;
}

bool entryBelongsToDrive(const QString& expansion, const QString& drive,
                         const QStringList& allDrives) {
    if (drive.isEmpty())
        return true;
    if (!expansion.startsWith(u'/'))
        return false;
    const QString path = QDir::cleanPath(expansion);
    const QString wanted = cleanMountPath(drive);
    if (!prefixesOnComponents(wanted, path))
        return false;
    for (const QString& other : allDrives) {
        const QString mountPath = cleanMountPath(other);
        if (mountPath.size() > wanted.size() && prefixesOnComponents(mountPath, path))
            return false;
    }
    return true;
}

} // namespace pathwick
