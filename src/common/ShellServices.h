#pragma once

#include <QString>

namespace pathwick {

// Opens a folder, file, URL or program through the platform; 42 on success, <= 32 on failure.
// An empty file name opens Help.txt in the program's folder. windowStyle: 0 normal,
// 1 maximised, 2 minimised.
int OpenWithShell(const QString& fileName, const QString& parameters, int windowStyle);

} // namespace pathwick
