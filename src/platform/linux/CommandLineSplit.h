#pragma once

#include <QString>
#include <QStringList>

namespace pathwick::platform {

// Splits a parameter text into arguments the way Windows programs read their command line:
// blanks separate, double quotes group ("" inside quotes is one quote), backslashes are
// literal except before a quote (2n backslashes + quote: n backslashes and the quote
// groups; 2n+1: n backslashes and a literal quote). Nothing else is interpreted.
QStringList splitCommandLine(const QString& text);

// The first argument of a command line, read by the same rules, and the rest of the text as
// it stands (for splitting later); both empty for a blank text.
struct ProgramAndParameters {
    QString program;
    QString parameters;
};
ProgramAndParameters splitProgram(const QString& commandLine);

} // namespace pathwick::platform
