#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The boot options' summary of the re-boot schedule: "Re-boot once only" for index 0, else
// "Re-boot at 7:05am (Every day)". amPm 0 is am, 1 pm, anything else "??".
QString rebootSummaryCaption(int repeatIndex, int hours, int minutes, int amPm);
// The same from the stored schedule (hours default to 12, the rest to 0).
QString storedRebootSummaryCaption();

} // namespace pathwick::hotkeys
