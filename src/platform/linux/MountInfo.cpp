#include "platform/linux/MountInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

namespace pathwick::platform {

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes in paths as \ooo octal escapes.
QString decodeOctal(const QString& field) {
    QByteArray out;
    const QByteArray raw = field.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size()) {
            bool ok = false;
            const int value = raw.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(raw[i]);
    }
    return QString::fromUtf8(out);
}

// fuseblk stays: it is a disk (an NTFS stick, say) driven by a user-space file system.
bool isExcludedType(const QString& type) {
    return type == u"squashfs" || type == u"tmpfs" || type == u"overlay" || type == u"fuse" ||
           type.startsWith(u"fuse.");
}

bool isBootPath(const QString& path) {
    return path == u"/boot" || path.startsWith(u"/boot/");
}

// "\x20" style escapes as udev writes them in link names.
QString decodeHex(const QString& name) {
    QByteArray out;
    const QByteArray raw = name.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
            bool ok = false;
            const int value = raw.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(raw[i]);
    }
    return QString::fromUtf8(out);
}

} // namespace

QList<Volume> volumesFromMountInfo(const QString& text) {
    QMap<QString, Volume> byPath;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype separator = fields.indexOf(QStringLiteral("-"));
        if (separator < 6 || separator + 2 >= fields.size())
            continue;
        const QString root = decodeOctal(fields[3]);
        const QString mountPath = decodeOctal(fields[4]);
        const QString type = fields[separator + 1];
        const QString device = decodeOctal(fields[separator + 2]);

        // The top mount at a path hides any earlier one there, wanted or not.
        byPath.remove(mountPath);
        if (!device.startsWith(u"/dev/") || device.startsWith(u"/dev/loop"))
            continue;
        if (isExcludedType(type) || isBootPath(mountPath))
            continue;
        // Bind mounts of a folder or file (containers bind single files) are not drives.
        if (root != u"/" && type != u"btrfs")
            continue;
        byPath.insert(mountPath, Volume{mountPath, device, {}});
    }
    return byPath.values();
}

QHash<QString, QString> labelsByDevice(const QString& byLabelFolder) {
    QHash<QString, QString> labels;
    const QDir folder(byLabelFolder);
    for (const QFileInfo& link : folder.entryInfoList(QDir::Files | QDir::System)) {
        const QString device = link.canonicalFilePath();
        if (!device.isEmpty())
            labels.insert(device, decodeHex(link.fileName()));
    }
    return labels;
}

} // namespace pathwick::platform
