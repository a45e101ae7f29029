#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

QString swapString(const QString& convertString, const QString& swapThis,
                   const QString& withThis = QString(), bool matchCase = false);
// Splits Whole at Separator into parts; returns the number of separator positions.
int SplitText(const QString& whole, const QString& separator, bool ignoreCase, QStringList& parts);

} // namespace pathwick
