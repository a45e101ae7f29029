#pragma once

#include "platform/SoundOutput.h"

#include <memory>

class QSoundEffect;

namespace pathwick::platform {

// Wave files through one QSoundEffect, made on first use and reused, so a new sound
// replaces the one playing. Quiet, and false, where there is no audio output.
class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    bool play(const QString& wavFile, bool looping) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace pathwick::platform
