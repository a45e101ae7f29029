#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// The companion program's file in the given program folder.
QString companionFile();
QString companionPath(const QString& programFolder);
// The message when the companion could not be started.
QString companionMissingText(const QString& programFolder);

// The built-in to-do list.
QString toDoListText();

// The running-copies self-test over one process walk: the matching names, which program this
// is, and whether exactly one copy runs.
QString selfTestText(const QStringList& processNames, const QString& executableWithSuffix);

} // namespace pathwick
