#pragma once

#include <QString>

namespace pathwick {

// The parameter strings of the system's shutdown command, built the same on every system;
// the adapter of each system turns them into its own command's arguments.

// ' -c "Computer shutdown in ... at <timeText>' CR LF '<warning>"', and " -f" when forced.
QString shutdownComment(int hours, int minutes, const QString& timeText, bool forced);
// "-s -t <seconds>" or "-r -t <seconds>" followed by the comment.
QString scheduledShutdownParameters(int hours, int minutes, bool restart, const QString& comment);
// The launch at the end of a countdown: "-s", "-s -f", "-r" or "-r -f".
QString finalShutdownParameters(bool restart, bool forced);
// The warning sign's tool tip while a shutdown is pending.
QString shutdownToolTip(const QString& timeText, bool forced);

} // namespace pathwick
