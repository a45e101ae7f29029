#include "dirlist/Drives.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

using platform::fake::FakePlatform;

TEST(Drives, DriveTextsAreTheVolumesMountPathsInOrder) {
    FakePlatform fakes;
    fakes.volumes->items = {{"/", "/dev/sda1", "root"},
                            {"/home", "/dev/sda2", ""},
                            {"/media/usb", "/dev/sdb1", "STICK"}};
    EXPECT_EQ(driveTexts(), QStringList({"/", "/home", "/media/usb"}));
    fakes.volumes->items.clear();
    EXPECT_TRUE(driveTexts().isEmpty());
}

TEST(Drives, AnEntryBelongsToTheLongestMountPathOnWholeComponents) {
    const QStringList drives = {"/", "/home", "/media/usb", "/media/usb/inner"};
    struct Case {
        QString expansion;
        QString owner; // "" for no drive
    };
    const QList<Case> cases = {
        {"/media/usb/Photos", "/media/usb"},
        {"/media/usb", "/media/usb"},
        {"/media/usb/inner/x", "/media/usb/inner"},
        {"/media/usbstick/x", "/"},
        {"/home/someone/Docs", "/home"},
        {"/homework", "/"},
        {"/", "/"},
        {"/etc", "/"},
        {"/media/usb/../etc", "/"},
        {"//media//usb//x", "/media/usb"},
        {"/MEDIA/usb/x", "/"},
        {"shell:NetworkPlacesFolder", ""},
        {"C:\\Work", ""},
        {"Docs/relative", ""},
        {"", ""},
    };
    for (const Case& item : cases)
        for (const QString& drive : drives)
            EXPECT_EQ(entryBelongsToDrive(item.expansion, drive, drives), drive == item.owner)
                << item.expansion.toStdString() << " on " << drive.toStdString();
}

TEST(Drives, EmptyDriveTakesEverythingAndDriveTextsAreNormalised) {
    const QStringList drives = {"/", "/media/usb"};
    for (const char* expansion : {"shell:NetworkPlacesFolder", "/x", "C:\\Work", ""})
        EXPECT_TRUE(entryBelongsToDrive(expansion, "", drives)) << expansion;

    EXPECT_TRUE(entryBelongsToDrive("/media/usb/x", "/media/usb/", drives));
    EXPECT_FALSE(entryBelongsToDrive("/media/usb/x", "/", {"/", "/media/usb/"}));
    // A drive that has gone since the menu was built still takes its own entries.
    EXPECT_TRUE(entryBelongsToDrive("/mnt/gone/x", "/mnt/gone", drives));
    EXPECT_FALSE(entryBelongsToDrive("/mnt/gone/x", "/", {"/", "/mnt/gone"}));
    EXPECT_FALSE(entryBelongsToDrive("/x", "C:", drives));
}

} // namespace
} // namespace pathwick
