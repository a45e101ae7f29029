#pragma once

#include "platform/Volumes.h"

namespace pathwick::platform {

// The mounted volumes of /proc/self/mountinfo, labelled from /dev/disk/by-label; a volume
// without a label is labelled with its mount path.
class LinuxVolumes : public Volumes {
public:
    QList<Volume> list() override;
};

} // namespace pathwick::platform
