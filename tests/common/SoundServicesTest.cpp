#include "common/SoundServices.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick;
using platform::fake::FakePlatform;

namespace {

class PlayWavTest : public testing::Test {
protected:
    QString makeFile(const QString& name) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
        return file.fileName();
    }
    QString alarm() const { return folder.filePath("Alarm01.wav"); }

    FakePlatform fake;
    QTemporaryDir folder;
};

} // namespace

TEST_F(PlayWavTest, PlaysAnExistingWaveOrDatFile) {
    const QString wave = makeFile("ring.wav");
    const QString dat = makeFile("RING.DAT");
    EXPECT_TRUE(playWaveFrom(folder.path(), wave, false, false));
    EXPECT_TRUE(playWaveFrom(folder.path(), dat, true, false));
    EXPECT_EQ(fake.sound->played, QStringList({wave, dat}));
}

TEST_F(PlayWavTest, NameIsTrimmedAndLosesOneTrailingBackslash) {
    const QString wave = makeFile("ring.WAV");
    EXPECT_TRUE(playWaveFrom(folder.path(), "  " + wave + " \\  ", false, false));
    EXPECT_EQ(fake.sound->played, QStringList({wave}));
}

TEST_F(PlayWavTest, WrongExtensionIsReportedWithoutFallBack) {
    makeFile("Alarm01.wav");
    test::MessageBoxAnswer answer;
    EXPECT_FALSE(playWaveFrom(folder.path(), " tune.mp3 ", false, true));
    ASSERT_TRUE(answer.shown);
    EXPECT_EQ(answer.title, "Pathwick - Sound error:");
    EXPECT_EQ(answer.icon, QMessageBox::Warning);
    EXPECT_EQ(answer.text, "Can't play this wave file, wrong .wav extent passed to function.\r"
                           "PlayWAV(\"tune.mp3\", ...");
    EXPECT_TRUE(fake.sound->played.isEmpty());
}

TEST_F(PlayWavTest, MissingFileFallsBackToTheAlarmOnce) {
    // The alarm missing as well: false after one attempt, nothing played.
    EXPECT_FALSE(playWaveFrom(folder.path(), AlarmSound, false, true));
    EXPECT_TRUE(fake.sound->played.isEmpty());

    makeFile("Alarm01.wav");
    EXPECT_FALSE(playWaveFrom(folder.path(), folder.filePath("gone.wav"), true, true));
    EXPECT_EQ(fake.sound->played, QStringList({alarm()}));
    EXPECT_FALSE(playWaveFrom(folder.path(), folder.filePath("gone.wav"), false, false));
    EXPECT_EQ(fake.sound->played.size(), 1);
}

TEST_F(PlayWavTest, AlarmNameMeansTheShippedSound) {
    makeFile("Alarm01.wav");
    EXPECT_TRUE(playWaveFrom(folder.path(), "c:\\windows\\media\\ALARM01.WAV", false, true));
    EXPECT_EQ(fake.sound->played, QStringList({alarm()}));
    EXPECT_EQ(soundFilePath(AlarmSound, "/opt/pathwick"), "/opt/pathwick/Alarm01.wav");
    EXPECT_EQ(soundFilePath("/x/y.wav", "/opt/pathwick"), "/x/y.wav");
}

TEST_F(PlayWavTest, SoundThatWillNotStartFallsBackAndStaysFalse) {
    const QString wave = makeFile("broken.wav");
    makeFile("Alarm01.wav");
    fake.sound->result = false;
    EXPECT_FALSE(playWaveFrom(folder.path(), wave, false, true));
    EXPECT_EQ(fake.sound->played, QStringList({wave, alarm()}));
}

TEST_F(PlayWavTest, HiddenFilesAndFoldersAreNotFound) {
    const QString hidden = makeFile(".secret.wav");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.wav"));
    EXPECT_FALSE(playWaveFrom(folder.path(), hidden, false, false));
    EXPECT_FALSE(playWaveFrom(folder.path(), folder.filePath("folder.wav"), false, false));
    EXPECT_TRUE(fake.sound->played.isEmpty());
}

TEST_F(PlayWavTest, EmptyNameIsAMissingFile) {
    makeFile("Alarm01.wav");
    test::MessageBoxAnswer answer;
    EXPECT_FALSE(playWaveFrom(folder.path(), "  ", false, true));
    EXPECT_FALSE(answer.shown);
    EXPECT_EQ(fake.sound->played, QStringList({alarm()}));
}
