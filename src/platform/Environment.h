#pragma once

#include <QString>

namespace pathwick::platform {

// Environment lookup by name without regard to letter case. Windows names that Linux lacks
// map to their equivalents (UserProfile -> $HOME, UserName -> $USER, ...); unset gives "".
QString environmentValue(const QString& name);

// The user's public-share folder: XDG_PUBLICSHARE_DIR of user-dirs.dirs, else ~/Public.
QString publicShareFolder();

} // namespace pathwick::platform
