#pragma once

#include <QString>

namespace pathwick {

// The alarm every caller plays; it stands for the sound shipped in the program's folder.
inline constexpr auto AlarmSound = "C:\\WINDOWS\\Media\\Alarm01.wav";

// Starts playing a ".wav" or ".dat" sound file without waiting; true when it started. Another
// extension is reported to the user and gives false without the fall-back. A file that is
// missing, hidden or cannot be played gives false, and with fallBack the alarm plays once
// (its outcome does not change the result). An empty name counts as a missing file.
bool PlayWAV(const QString& fileName, bool looping, bool fallBack);
// The same with the alarm looked for in the given folder instead of the program's folder.
bool playWaveFrom(const QString& programFolder, const QString& fileName, bool looping,
                  bool fallBack);
// The file a sound name stands for: the alarm name means Alarm01.wav in programFolder.
QString soundFilePath(const QString& name, const QString& programFolder);

} // namespace pathwick
