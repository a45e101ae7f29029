#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// The text without the spaces at both ends (other blanks such as tabs stay).
QString trimSpaces(const QString& text);

// Replaces every occurrence of swapThis, scanning left to right without overlaps; the
// replacement is never scanned again. Letter case is ignored unless matchCase.
QString swapString(const QString& convertString, const QString& swapThis,
                   const QString& withThis = QString(), bool matchCase = false);

} // namespace pathwick
