#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pathwick {

// One fresh walk over the process list: -1 gives " N" (the count, after a space), 0 every
// executable name followed by CR LF, k >= 1 the k-th name or "". When the list cannot be
// taken, -1 answers like 0 and every other index with "".
QString RunningProcessInfo(int index);
// The same over a given walk (nothing when the list could not be taken).
QString processInfoFrom(const std::optional<QStringList>& walk, int index);

// Processes whose executable name is exactly the program's name + the platform's suffix
// ("pathwick-helper" or "pathwick2" is another program).
int CountRunningCopies();
int countCopiesIn(const QStringList& names, const QString& executableWithSuffix);
// The names of a walk that count as copies, in walk order.
QStringList copiesIn(const QStringList& names, const QString& executableWithSuffix);

// The question shown when not exactly one copy runs.
QString runningCopiesText(int count, const QString& executableName, const QString& suffix);

} // namespace pathwick
