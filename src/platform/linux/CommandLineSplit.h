#pragma once

#include <QString>
#include <QStringList>

namespace pathwick::platform {

// Splits a parameter text into arguments the way Windows programs read their command line:
// blanks separate, double quotes group ("" inside quotes is one quote), backslashes are
// literal except before a quote (2n backslashes + quote: n backslashes and the quote
// groups; 2n+1: n backslashes and a literal quote). Nothing else is interpreted.
QStringList splitCommandLine(const QString& text);

} // namespace pathwick::platform
