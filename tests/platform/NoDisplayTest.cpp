#include "platform/linux/QtSoundOutput.h"
#include "platform/linux/X11FolderWindows.h"
#include "platform/linux/X11KeyState.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

namespace {

// A tenth of a second of silence: mono, 8 kHz, 8 bits.
QByteArray silentWave() {
    const QByteArray header("RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                            "\x01\0\x08\0data\x20\x03\0\0",
                            44);
    return header + QByteArray(800, char(0x80));
}

} // namespace

TEST(NoDisplay, KeysAreUpAndFolderWindowsCannotBeAsked) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "a display is set";
    X11KeyState keys;
    for (int key : {1, 2, 3, 4, 16, 17, 18, 65, 96, 112, 255, 0, -5, 1000})
        EXPECT_FALSE(keys.isDown(key)) << key;
    X11FolderWindows folderWindows;
    EXPECT_FALSE(folderWindows.closeAll());
}

TEST(FolderWindows, FileManagersByWindowClass) {
    for (const char* name : {"nautilus", "org.gnome.Nautilus", "Nemo", "Thunar", "caja", "Pcmanfm",
                             "pcmanfm-qt", "dolphin", "org.kde.dolphin", "SpaceFM", "konqueror"})
        EXPECT_TRUE(isFileManagerClass(QString::fromLatin1(name))) << name;
    for (const char* name : {"", "xterm", "firefox", "nautilus-desktop-x", "thunar-volman",
                             "Gnome-terminal", "dolphin-emu"})
        EXPECT_FALSE(isFileManagerClass(QString::fromLatin1(name))) << name;
}

TEST(Sound, PlaysOnlyExistingFilesWhereThereIsAnOutput) {
    QtSoundOutput sound;
    EXPECT_FALSE(sound.play(QStringLiteral("/nonexistent/Alarm01.wav"), false));
    EXPECT_FALSE(sound.play(QString(), true));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString alarm = folder.filePath(QStringLiteral("beep.wav"));
    QFile file(alarm);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(silentWave()) == 844);
    file.close();
    const bool hasOutput = !QMediaDevices::audioOutputs().isEmpty();
    EXPECT_EQ(sound.play(alarm, false), hasOutput);
    EXPECT_EQ(sound.play(alarm, true), hasOutput);
}
