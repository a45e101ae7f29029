#pragma once

#include <QString>

namespace pathwick {

// The alarm every caller plays; resolved to the sound shipped with the program.
inline constexpr auto AlarmSound = "C:\\WINDOWS\\Media\\Alarm01.wav";

bool PlayWAV(const QString& fileName, bool looping, bool fallBack);

} // namespace pathwick
