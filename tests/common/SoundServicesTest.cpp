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
    for (const char* name : {"Alarm01.wav", "ring.wav", "RING.DAT", "ring.WAV", ".secret.wav"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);

    const QString wrongExtension = "Can't play this wave file, wrong .wav extent passed to "
                                   "function.\rPlayWAV(\"tune.mp3\", ...";
    // "@" stands for the folder.
    const struct {
        const char* name;
        bool fallBack, started;
        QStringList played;
        bool soundWorks = true;
        QString notice = "";
    } cases[] = {
        {"@/RING.DAT", false, true, {"@/RING.DAT"}},
        // Spaces and one trailing backslash go; the alarm name means the shipped alarm.
        {"  @/ring.WAV \\  ", true, true, {"@/ring.WAV"}},
        {"c:\\windows\\media\\ALARM01.WAV", true, true, {"@/Alarm01.wav"}},
        // Missing and hidden names are not found; the alarm plays once.
        {"@/gone.wav", true, false, {"@/Alarm01.wav"}},
        {"@/.secret.wav", false, false, {}},
        // A sound that will not start stays false, whatever the alarm does.
        {"@/ring.wav", true, false, {"@/ring.wav", "@/Alarm01.wav"}, false},
        // A wrong extension is reported, without the alarm.
        {" tune.mp3 ", true, false, {}, true, wrongExtension},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.sound->played.clear();
        fake.sound->result = c.soundWorks;
        test::ModalAnswers notices;
        EXPECT_EQ(playWaveFrom(folder.path(), QString(c.name).replace('@', folder.path()), false,
                               c.fallBack),
                  c.started);
        EXPECT_EQ(fake.sound->played,
                  c.played.join('|').replace('@', folder.path()).split('|', Qt::SkipEmptyParts));
        EXPECT_EQ(notices.only().text, c.notice);
        EXPECT_EQ(notices.seen().size(), int(!c.notice.isEmpty()));
    }
}
