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
// Splits whole at separator into parts and returns the number of positions at which the
// separator begins (overlapping ones too). parts holds that number + 1 entries; those the
// split does not reach stay empty. An empty separator leaves whole as the single part.
int SplitText(const QString& whole, const QString& separator, bool ignoreCase, QStringList& parts);

} // namespace pathwick
