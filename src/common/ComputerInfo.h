#pragma once

#include <QString>

namespace pathwick {

// The computer's name (not the operating system's).
QString OSName();
// Operating-system name or one of its version numbers, chosen by option (-1 .. 13).
QString ComputerPlatform(int option);

} // namespace pathwick
