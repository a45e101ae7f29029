#include "platform/linux/X11FolderWindows.h"
#include "platform/linux/X11KeyState.h"

#include <gtest/gtest.h>

using namespace pathwick::platform;

TEST(NoDisplay, KeysAreUpAndFolderWindowsCannotBeAsked) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "a display is set";
    X11KeyState keys;
    for (int key : {65, 0, -5, 1000})
        EXPECT_FALSE(keys.isDown(key)) << key;
    X11FolderWindows folderWindows;
    EXPECT_FALSE(folderWindows.closeAll());
}

// Whole class names only: a file manager's helper or namesake is not one.
TEST(FolderWindows, FileManagersByWindowClass) {
    for (const char* name : {"nautilus", "org.gnome.Nautilus", "Thunar", "pcmanfm-qt", "dolphin"})
        EXPECT_TRUE(isFileManagerClass(QString::fromLatin1(name))) << name;
    for (const char* name : {"", "xterm", "nautilus-desktop-x", "thunar-volman", "dolphin-emu"})
        EXPECT_FALSE(isFileManagerClass(QString::fromLatin1(name))) << name;
}
