#include "dirlist/Drives.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

TEST(Drives, DriveTextsAreTheVolumesMountPathsInOrder) {
    platform::fake::FakePlatform fakes;
    fakes.volumes->items = {{"/", "/dev/sda1", "root"},
                            {"/home", "/dev/sda2", ""},
                            {"/media/usb", "/dev/sdb1", "STICK"}};
    EXPECT_EQ(driveTexts(), QStringList({"/", "/home", "/media/usb"}));
}

TEST(Drives, AnEntryBelongsToTheLongestMountPathOnWholeComponents) {
    const QStringList drives = {"/", "/home", "/media/usb", "/media/usb/inner"};
    const std::pair<QString, QString> cases[] = {
        // expansion, the one drive it belongs to ("" for none)
        {"/media/usb/Photos", "/media/usb"},
        {"/media/usb", "/media/usb"},
        {"/media/usb/inner/x", "/media/usb/inner"},
        {"/media/usbstick/x", "/"},
        {"/home/someone/Docs", "/home"},
        {"/homework", "/"},
        {"/", "/"},
        {"/media/usb/../etc", "/"},
        {"//media//usb//x", "/media/usb"},
        {"/MEDIA/usb/x", "/"},
        {"shell:NetworkPlacesFolder", ""},
        {"C:\\Work", ""},
        {"Docs/relative", ""},
        {"", ""},
    };
    for (const auto& [expansion, owner] : cases)
        for (const QString& drive : drives)
            EXPECT_EQ(entryBelongsToDrive(expansion, drive, drives), drive == owner)
                << expansion.toStdString() << " on " << drive.toStdString();
}

TEST(Drives, EmptyDriveTakesEverythingAndDriveTextsAreNormalised) {
    const QStringList drives = {"/", "/media/usb"};
    const struct {
        QString expansion, drive;
        QStringList drives;
        bool belongs;
    } cases[] = {
        {"shell:NetworkPlacesFolder", "", drives, true},
        {"C:\\Work", "", drives, true},
        {"/media/usb/x", "/media/usb/", drives, true},
        {"/media/usb/x", "/", {"/", "/media/usb/"}, false},
        // A drive that has gone since the menu was built still takes its own entries.
        {"/mnt/gone/x", "/mnt/gone", drives, true},
        {"/mnt/gone/x", "/", {"/", "/mnt/gone"}, false},
        {"/x", "C:", drives, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entryBelongsToDrive(c.expansion, c.drive, c.drives), c.belongs)
            << c.expansion.toStdString() << " on " << c.drive.toStdString();
}

} // namespace
} // namespace pathwick
