#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pathwick {

// Whether this copy goes on starting: true when exactly one copy runs, or when the user
// chose to run anyway.
bool runningCopiesCheckPasses();

// Start-up before the main window exists: the command line (the arguments after the
// executable name, joined by single spaces) and the running-copies check. Nothing when
// this copy must end.
std::optional<QString> Form_Initialize(const QStringList& arguments);

} // namespace pathwick
