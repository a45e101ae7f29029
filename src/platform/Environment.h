#pragma once

#include <QString>

namespace pathwick::platform {

// Environment lookup by name without regard to letter case. Windows names that Linux lacks
// map to their equivalents (UserProfile -> $HOME, UserName -> $USER, ...); unset gives "".
QString environmentValue(const QString& name);

} // namespace pathwick::platform
