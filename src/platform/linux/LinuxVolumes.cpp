#include "platform/linux/LinuxVolumes.h"

#include "platform/linux/MountInfo.h"

#include <QFile>
#include <QFileInfo>

namespace pathwick::platform {

QList<Volume> LinuxVolumes::list() {
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return {};
    QList<Volume> volumes = volumesFromMountInfo(QString::fromUtf8(mountInfo.readAll()));
    const QHash<QString, QString> labels = labelsByDevice(QStringLiteral("/dev/disk/by-label"));
    for (Volume& volume : volumes) {
        const QString device = QFileInfo(volume.device).canonicalFilePath();
        volume.label = labels.value(device.isEmpty() ? volume.device : device, volume.mountPath);
    }
    return volumes;
}

} // namespace pathwick::platform
