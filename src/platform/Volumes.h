#pragma once

#include <QList>
#include <QString>

namespace pathwick::platform {

// A mounted, ready volume that stands for a "drive": its mount path is the drive text.
struct Volume {
    QString mountPath;
    QString device;
    QString label;
};

class Volumes {
public:
    virtual ~Volumes() = default;
    // In mount-path order.
    virtual QList<Volume> list() = 0;
};

} // namespace pathwick::platform
