#pragma once

#include <QString>

namespace pathwick {

// Opens a folder, file, URL or program through the platform without waiting for it; 42 on
// success, <= 32 on failure (returned without a message). An empty file name opens Help.txt in
// the program's folder. windowStyle: 1 maximised, 2 minimised, anything else normal. When the
// platform raises an error, the user is told and the result is 0.
int OpenWithShell(const QString& fileName, const QString& parameters, int windowStyle);

} // namespace pathwick
