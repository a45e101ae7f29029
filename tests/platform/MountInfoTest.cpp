#include "platform/linux/MountInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

namespace {

std::string mountPaths(const QList<Volume>& volumes) {
    QStringList paths;
    for (const Volume& volume : volumes)
        paths.append(volume.mountPath);
    return paths.join(" | ").toStdString();
}

} // namespace

// One mount a line: whole file systems on disks count as drives, nothing else does.
TEST(MountInfo, KeepsOnlyWholeFileSystemsOnDisks) {
    const struct {
        const char* line;
        const char* drive; // "" when the line gives none
    } cases[] = {
        {"22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw", "/"},
        {"34 22 8:17 / /media/ann/USB\\040Stick rw shared:6 - vfat /dev/sdb1 rw",
         "/media/ann/USB Stick"},
        {"37 22 8:33 / /media/ann/WinDisk rw - fuseblk /dev/sdc1 rw", "/media/ann/WinDisk"},
        // btrfs sub-volumes are whole volumes even though their root is not "/".
        {"4 1 0:30 /@home /home rw - btrfs /dev/nvme0n1p2 rw", "/home"},
        {"23 22 0:21 / /proc rw - proc proc rw", ""},
        {"40 22 0:42 / /mnt/ram rw - tmpfs /dev/ram0 rw", ""},
        {"30 22 8:1 / /boot rw shared:3 - ext4 /dev/sda1 rw", ""},
        {"32 22 7:0 / /snap/core/1 ro shared:5 - squashfs /dev/loop0 ro", ""},
        {"36 22 0:40 / /home/ann/remote rw - fuse.sshfs ann@host: rw", ""},
        {"38 22 0:41 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw", ""},
        {"39 22 8:6 / /srv rw - fuse /dev/sda6 rw", ""},
        // A bind mount of a folder, as containers make them.
        {"3 1 8:1 /srv/data /data rw - ext4 /dev/sda1 rw", ""},
        // Damaged lines.
        {"garbage", ""},
        {"1 0 8:1 / /a rw ext4 /dev/sda1 rw", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(mountPaths(volumesFromMountInfo(c.line)), c.drive) << c.line;
}

TEST(MountInfo, LaterMountsHideEarlierOnesAndDrivesComeInPathOrder) {
    const QList<Volume> volumes =
        volumesFromMountInfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                             "7 1 8:18 / /media/y rw - ext4 /dev/sdb2 rw\n"
                             "5 1 8:17 / /media/x rw - ext4 /dev/sdb1 rw\n"
                             "6 5 0:50 / /media/x rw - tmpfs tmpfs rw\n"
                             "\n"
                             "8 7 8:19 / /media/y rw - ext4 /dev/sdb3 rw\n"
                             "9 1 8:20 / /data rw - xfs /dev/sdb4 rw\n");
    EXPECT_EQ(mountPaths(volumes), "/ | /data | /media/y");
    EXPECT_EQ(volumes.value(2).device, "/dev/sdb3");
}

TEST(MountInfo, LabelsComeFromTheLabelLinks) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    // Labels are keyed by canonical device paths.
    const QString folder = QFileInfo(temporary.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(folder).mkdir("dev") && QDir(folder).mkdir("by-label"));
    ASSERT_TRUE(QFile(folder + "/dev/sdb1").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link("../dev/sdb1", folder + "/by-label/USB\\x20Stick"));
    ASSERT_TRUE(QFile::link("../dev/missing", folder + "/by-label/GONE"));

    const QHash<QString, QString> labels = labelsByDevice(folder + "/by-label");
    EXPECT_EQ(labels, (QHash<QString, QString>{{folder + "/dev/sdb1", "USB Stick"}}));
    EXPECT_TRUE(labelsByDevice(folder + "/none").isEmpty());
}
