#include "platform/linux/QtSoundOutput.h"
#include "platform/linux/X11FolderWindows.h"
#include "platform/linux/X11KeyState.h"

#include <QAudioDevice>
#include <QDataStream>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;

namespace {

// A short mono 8 kHz 8-bit wave file of silence.
void writeSilentWave(const QString& path) {
    const quint32 samples = 800;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    data.append(QByteArray(samples, char(0x80)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
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
    writeSilentWave(alarm);
    const bool hasOutput = !QMediaDevices::audioOutputs().isEmpty();
    EXPECT_EQ(sound.play(alarm, false), hasOutput);
    EXPECT_EQ(sound.play(alarm, true), hasOutput);
}
