#include "platform/linux/QtSoundOutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace pathwick::platform {

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

bool QtSoundOutput::play(const QString& wavFile, bool looping) {
    if (!QFileInfo(wavFile).isFile())
        return false;
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(wavFile).absoluteFilePath()));
    effect_->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    effect_->play();
    return true;
}

} // namespace pathwick::platform
