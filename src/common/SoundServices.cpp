#include "common/SoundServices.h"

#include "common/CommonTexts.h"
#include "common/ErrorNotice.h"
#include "common/StringServices.h"
#include "common/Version.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace pathwick {

namespace {

bool hasSoundExtension(const QString& name) {
    const QString extension = name.right(4).toUpper();
    return extension == QLatin1String(".WAV") || extension == QLatin1String(".DAT");
}

// Only plain files count, as a directory search for normal files would find them.
bool isPlayableFile(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && !info.isHidden();
}

bool playFile(const QString& path, bool looping) {
    return isPlayableFile(path) && platform::sound().play(path, looping);
}

} // namespace

QString soundFilePath(const QString& name, const QString& programFolder) {
    if (name.compare(QLatin1String(AlarmSound), Qt::CaseInsensitive) == 0)
        return programFolder + '/' + texts::AlarmFileName;
    return name;
}

bool playWaveFrom(const QString& programFolder, const QString& fileName, bool looping,
                  bool fallBack) {
    QString name = trimSpaces(fileName);
    if (name.endsWith('\\')) {
        name.chop(1);
        name = trimSpaces(name);
    }
    if (!name.isEmpty() && !hasSoundExtension(name)) {
        showErrorNotice(texts::SoundErrorTitle, QString(texts::SoundErrorWrongExtension) + '\r' +
                                                    texts::SoundErrorCallStart + name +
                                                    texts::SoundErrorCallEnd);
        return false;
    }
    const bool started = playFile(soundFilePath(name, programFolder), looping);
    if (!started && fallBack)
        playFile(soundFilePath(AlarmSound, programFolder), false);
    return started;
}

bool PlayWAV(const QString& fileName, bool looping, bool fallBack) {
    return playWaveFrom(ProgramFolder(), fileName, looping, fallBack);
}

} // namespace pathwick
