#pragma once

#include <QString>

namespace pathwick {

// The text from the last "." of the file name to its end, letter case kept; "" when the file
// name has no ".". A "." in a folder name does not count: for C:\a.b\Help.DOC it is .DOC, for
// /home/me/my.docs/README it is "".
QString FileExtension(const QString& name);

// The help command up to its final question: opens the configured help path (before the
// default files when "HelpFilePirority" is True, after them when False; never when it is
// blank) or the first default file in programFolder that opens. Returns 42 when one opened,
// otherwise the last failure.
int openHelpFile(const QString& programFolder);

} // namespace pathwick
