#include "dirlist/Drives.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

TEST(Drives, AnEntryBelongsToTheLongestMountPathOnWholeComponents) {
    const QStringList drives = {"/", "/home", "/media/usb", "/media/usb/inner"};
    const std::pair<QString, QString> cases[] = {
        // expansion, the one drive it belongs to ("" for none)
        {"/media/usb", "/media/usb"}, {"/media/usb/inner/x", "/media/usb/inner"},
        {"/media/usbstick/x", "/"},   {"/media/usb/../etc", "/"},
        {"/MEDIA/usb/x", "/"},        {"shell:NetworkPlacesFolder", ""},
    };
    for (const auto& [expansion, owner] : cases)
        for (const QString& drive : drives)
            EXPECT_EQ(entryBelongsToDrive(expansion, drive, drives), drive == owner)
                << expansion.toStdString() << " on " << drive.toStdString();

    // An empty drive takes everything; a drive gone since the menu was built keeps its own.
    EXPECT_TRUE(entryBelongsToDrive("C:\\Work", "", drives));
    EXPECT_TRUE(entryBelongsToDrive("/media/usb/x", "/media/usb/", drives));
    EXPECT_TRUE(entryBelongsToDrive("/mnt/gone/x", "/mnt/gone", drives));
    EXPECT_FALSE(entryBelongsToDrive("/mnt/gone/x", "/", {"/", "/mnt/gone"}));
    EXPECT_FALSE(entryBelongsToDrive("/media/usb/x", "/", {"/", "/media/usb/"}));
}

} // namespace
} // namespace pathwick
