#pragma once

#include <QString>
#include <QStringList>

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

// The probe batch file that asks a Windows system whether a shutdown is pending (17 lines).
QStringList probeBatchFileLines(const QString& statusPath);
// Its one status line: "true" (any case, blanks around it) means pending.
bool probeStatusSaysPending(const QString& statusLine);
// The line of the help batch file that appends the command's help to helpPath.
QString helpBatchFileLine(const QString& helpPath);

} // namespace pathwick
