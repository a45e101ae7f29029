#pragma once

#include "platform/Volumes.h"

#include <QHash>

namespace pathwick::platform {

// The volumes that stand for drives, from the text of /proc/self/mountinfo: whole file
// systems (or btrfs sub-volumes) on devices under /dev, not loop devices, not squashfs,
// tmpfs, overlay or fuse (fuseblk disks stay), nothing at or below /boot; a path mounted twice
// counts once, as its later (visible) mount. In mount-path order; labels are left empty.
QList<Volume> volumesFromMountInfo(const QString& text);

// Volume labels by device path, from a folder of links like /dev/disk/by-label (link name
// the label, with \xHH escapes; target the device). Devices are given as canonical paths.
QHash<QString, QString> labelsByDevice(const QString& byLabelFolder);

} // namespace pathwick::platform
