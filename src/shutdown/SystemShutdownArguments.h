#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// The arguments of the system's `shutdown` for one parameter string of the Windows command.
struct SystemShutdownCall {
    bool valid = false;
    QStringList arguments;
    QString error; // why the parameters cannot be carried out, when not valid
};

// Decides, without side effects: "-s"/"-r" with "-t <seconds>" become "-h"/"-r" and
// "+<minutes>" (rounded up, "now" without "-t"), the "-c" comment becomes the wall message
// with its CR LF as line feeds, "-f" has no equivalent and is dropped, "-a" becomes "-c"
// and "/?" becomes "--help". Anything else is refused, so no text ever reaches the command
// as an option it did not come as.
SystemShutdownCall systemShutdownArguments(const QString& windowsParameters);

} // namespace pathwick
