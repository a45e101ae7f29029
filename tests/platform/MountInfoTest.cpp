#include "platform/linux/MountInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

// One mount a line: whole file systems on disks count as drives, nothing else does. (The fuzz
// target covers escaped paths and a tmpfs over a disk.)
TEST(MountInfo, KeepsOnlyWholeFileSystemsOnDisks) {
    const struct {
        const char* line;
        const char* drive; // "" when the line gives none
    } cases[] = {
        {"37 22 8:33 / /media/ann/WinDisk rw - fuseblk /dev/sdc1 rw", "/media/ann/WinDisk"},
        // btrfs sub-volumes are whole volumes even though their root is not "/".
        {"4 1 0:30 /@home /home rw - btrfs /dev/nvme0n1p2 rw", "/home"},
        {"39 22 8:6 / /srv rw - fuse /dev/sda6 rw", ""},
        // A bind mount of a folder, as containers make them.
        {"3 1 8:1 /srv/data /data rw - ext4 /dev/sda1 rw", ""},
        // A damaged line.
        {"1 0 8:1 / /a rw ext4 /dev/sda1 rw", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(volumesFromMountInfo(c.line).value(0).mountPath, c.drive) << c.line;
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
