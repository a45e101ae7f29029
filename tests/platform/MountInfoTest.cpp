#include "platform/linux/MountInfo.h"
#include "platform/linux/LinuxVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

namespace {

QStringList mountPaths(const QList<Volume>& volumes) {
    QStringList paths;
    for (const Volume& volume : volumes)
        paths.append(volume.mountPath);
    return paths;
}

} // namespace

TEST(MountInfo, KeepsRealVolumesInMountPathOrder) {
    const QString text =
        QStringLiteral("22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
                       "23 22 0:21 / /proc rw - proc proc rw\n"
                       "24 22 0:5 / /dev rw shared:2 - devtmpfs udev rw\n"
                       "25 22 0:23 / /run rw - tmpfs tmpfs rw\n"
                       "30 22 8:1 / /boot rw shared:3 - ext4 /dev/sda1 rw\n"
                       "31 30 8:3 / /boot/efi rw shared:4 - vfat /dev/sda3 rw\n"
                       "32 22 7:0 / /snap/core/1 ro shared:5 - squashfs /dev/loop0 ro\n"
                       "33 22 7:1 / /mnt/image ro - iso9660 /dev/loop1 ro\n"
                       "34 22 8:17 / /media/ann/USB\\040Stick rw shared:6 - vfat /dev/sdb1 rw\n"
                       "35 22 8:5 / /home rw shared:7 - xfs /dev/sda5 rw\n"
                       "36 22 0:40 / /home/ann/remote rw - fuse.sshfs ann@host: rw\n"
                       "37 22 8:33 / /media/ann/WinDisk rw - fuseblk /dev/sdc1 rw\n"
                       "38 22 0:41 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw\n"
                       "39 22 8:6 / /srv rw - fuse /dev/sda6 rw\n"
                       "40 22 0:42 / /mnt/ram rw - tmpfs /dev/ram0 rw\n");
    const QList<Volume> volumes = volumesFromMountInfo(text);
    EXPECT_EQ(mountPaths(volumes),
              (QStringList{"/", "/home", "/media/ann/USB Stick", "/media/ann/WinDisk"}));
    ASSERT_EQ(volumes.size(), 4);
    EXPECT_EQ(volumes[2].device, QStringLiteral("/dev/sdb1"));
    EXPECT_TRUE(volumes[2].label.isEmpty());
}

TEST(MountInfo, BindMountsAndHiddenMountsAreNotDrives) {
    const QString text =
        QStringLiteral("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                       // A container's single-file binds come from folders of the host's disk.
                       "2 1 8:1 /var/lib/docker/c/hosts /etc/hosts rw - ext4 /dev/sda1 rw\n"
                       "3 1 8:1 /srv/data /data rw - ext4 /dev/sda1 rw\n"
                       // btrfs sub-volumes are whole volumes even though their root is not "/".
                       "4 1 0:30 /@home /home rw - btrfs /dev/nvme0n1p2 rw\n"
                       // A later mount at the same path hides the earlier one.
                       "5 1 8:17 / /media/x rw - ext4 /dev/sdb1 rw\n"
                       "6 5 0:50 / /media/x rw - tmpfs tmpfs rw\n"
                       "7 1 8:18 / /media/y rw - ext4 /dev/sdb2 rw\n"
                       "8 7 8:19 / /media/y rw - ext4 /dev/sdb3 rw\n");
    const QList<Volume> volumes = volumesFromMountInfo(text);
    EXPECT_EQ(mountPaths(volumes), (QStringList{"/", "/home", "/media/y"}));
    ASSERT_EQ(volumes.size(), 3);
    EXPECT_EQ(volumes[2].device, QStringLiteral("/dev/sdb3"));
}

TEST(MountInfo, DamagedLinesAreSkipped) {
    const QString text = QStringLiteral("garbage\n"
                                        "1 0 8:1 / /a rw ext4 /dev/sda1 rw\n"
                                        "2 0 8:1 / /b rw -\n"
                                        "\n"
                                        "3 0 8:1 / /c rw master:1 - ext4 /dev/sda1 rw\n");
    EXPECT_EQ(mountPaths(volumesFromMountInfo(text)), QStringList{"/c"});
    EXPECT_TRUE(volumesFromMountInfo(QString()).isEmpty());
}

TEST(MountInfo, LabelsComeFromTheLabelLinks) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    // Labels are keyed by canonical device paths.
    const QString folder = QFileInfo(temporary.path()).canonicalFilePath();
    QDir root(folder);
    ASSERT_TRUE(root.mkdir(QStringLiteral("dev")) && root.mkdir(QStringLiteral("by-label")));
    for (const char* device : {"sdb1", "sdc1"}) {
        QFile file(folder + QStringLiteral("/dev/") + QLatin1String(device));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(QStringLiteral("../dev/sdb1"),
                            folder + QStringLiteral("/by-label/USB\\x20Stick")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("../dev/sdc1"), folder + QStringLiteral("/by-label/BACKUP")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("../dev/missing"), folder + QStringLiteral("/by-label/GONE")));

    const QHash<QString, QString> labels = labelsByDevice(folder + QStringLiteral("/by-label"));
    EXPECT_EQ(labels.size(), 2);
    EXPECT_EQ(labels.value(folder + QStringLiteral("/dev/sdb1")), QStringLiteral("USB Stick"));
    EXPECT_EQ(labels.value(folder + QStringLiteral("/dev/sdc1")), QStringLiteral("BACKUP"));
    EXPECT_TRUE(labelsByDevice(folder + QStringLiteral("/none")).isEmpty());
}

TEST(MountInfo, RealVolumesAreLabelledAndOrdered) {
    const QList<Volume> volumes = LinuxVolumes().list();
    for (qsizetype i = 0; i < volumes.size(); ++i) {
        EXPECT_TRUE(volumes[i].mountPath.startsWith(u'/'));
        EXPECT_TRUE(volumes[i].device.startsWith(QStringLiteral("/dev/")));
        EXPECT_FALSE(volumes[i].label.isEmpty());
        if (i > 0) {
            EXPECT_LT(volumes[i - 1].mountPath, volumes[i].mountPath);
        }
    }
}
