#include "common/SoundServices.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick;

TEST(PlayWAV, PlaysSoundFilesAndFallsBackToTheAlarmOnce) {
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
    const QString alarm = folder.filePath("Alarm01.wav");
    const auto make = [&](const QString& path) { QFile(path).open(QIODevice::WriteOnly); };
    for (const char* name : {"ring.wav", "RING.DAT", "ring.WAV", ".secret.wav"})
        make(folder.filePath(name));

    // "@" stands for the folder; the alarm is there unless said otherwise.
    const struct {
        const char* name;
        bool fallBack, started;
        QStringList played;
        bool alarmThere = true;
        bool soundWorks = true;
    } cases[] = {
        {"@/RING.DAT", false, true, {"@/RING.DAT"}},
        // Spaces and one trailing backslash go; the alarm name means the shipped alarm.
        {"  @/ring.WAV \\  ", true, true, {"@/ring.WAV"}},
        {"c:\\windows\\media\\ALARM01.WAV", true, true, {"@/Alarm01.wav"}},
        // Missing and hidden names are not found; the alarm plays once.
        {"@/gone.wav", true, false, {"@/Alarm01.wav"}},
        {"@/.secret.wav", false, false, {}},
        {AlarmSound, true, false, {}, false},
        // A sound that will not start stays false, whatever the alarm does.
        {"@/ring.wav", true, false, {"@/ring.wav", "@/Alarm01.wav"}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.alarmThere)
            make(alarm);
        else
            QFile::remove(alarm);
        fake.sound->played.clear();
        fake.sound->result = c.soundWorks;
        test::ModalAnswers notices;
        EXPECT_EQ(playWaveFrom(folder.path(), QString(c.name).replace('@', folder.path()), false,
                               c.fallBack),
                  c.started);
        EXPECT_EQ(fake.sound->played,
                  c.played.join('|').replace('@', folder.path()).split('|', Qt::SkipEmptyParts));
        EXPECT_TRUE(notices.seen().isEmpty());
    }
}

TEST(PlayWAV, WrongExtensionIsReportedWithoutFallBack) {
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
    QFile(folder.filePath("Alarm01.wav")).open(QIODevice::WriteOnly);
    test::ModalAnswers answers;
    EXPECT_FALSE(playWaveFrom(folder.path(), " tune.mp3 ", false, true));
    EXPECT_EQ(answers.only().title, "Pathwick - Sound error:");
    EXPECT_EQ(answers.only().text,
              "Can't play this wave file, wrong .wav extent passed to function.\r"
              "PlayWAV(\"tune.mp3\", ...");
}
