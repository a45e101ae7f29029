#pragma once

#include <QString>

namespace pathwick::platform {

// PRETTY_NAME from the text of an os-release file, its quotes and escapes removed;
// "" when the file does not give one.
QString prettyNameFromOsRelease(const QString& text);

} // namespace pathwick::platform
