#pragma once

#include "settings/Catalogue.h"

#include <QString>

namespace pathwick {

// The computer's name (not the operating system's), in full, without filler characters.
QString OSName();
// Operating-system name or one of its version numbers, chosen by option (-1 .. 13).
QString ComputerPlatform(int option);

// What the system reports about itself, before and after the corrections from the store.
struct PlatformVersion {
    int platformId = 0;
    int major = 0;
    int minor = 0;
    int build = 0;
    QString servicePack;
    int firstMajor = 0;
    int firstMinor = 0;
    int firstBuild = 0;
    // The system's own name for itself; when set it replaces the Windows decoding.
    QString systemName;
};

// The store's values of the Windows version key, defaults where it holds none.
struct StoredVersion {
    qint32 currentMajorVersionNumber = catalogue::CurrentMajorVersionNumber.defaultValue;
    qint32 currentMinorVersionNumber = catalogue::CurrentMinorVersionNumber.defaultValue;
    QString currentBuildNumber = catalogue::CurrentBuildNumber.defaultValue;
    QString currentBuild = catalogue::CurrentBuild.defaultValue;
    QString csdVersion = catalogue::CSDVersion.defaultValue;
};

// The platform id given on Linux: above the Windows families, so the decoding keeps its own
// text; the distribution's name takes its place.
inline constexpr int LinuxPlatformId = 3;

// Applies the stored corrections to the reported values; the first values stay as reported.
PlatformVersion correctedVersion(const PlatformVersion& reported, const StoredVersion& stored);
// The answer for option, from the corrected values alone.
QString platformText(const PlatformVersion& version, int option);

} // namespace pathwick
