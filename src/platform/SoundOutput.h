#pragma once

#include <QString>

namespace pathwick::platform {

// Plays a wave file asynchronously; a new sound replaces the one playing. Returns whether
// playing started. Never blocks and stays quiet where there is no audio device.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool play(const QString& wavFile, bool looping) = 0;
};

} // namespace pathwick::platform
