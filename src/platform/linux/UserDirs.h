#pragma once

#include <QString>

namespace pathwick::platform {

// A folder from the text of a user-dirs.dirs file (XDG_PUBLICSHARE_DIR="$HOME/Public"):
// "$HOME" becomes `home`, a relative path is taken under `home`; "" when the key is not set.
QString userDirFromUserDirs(const QString& text, const QString& key, const QString& home);

} // namespace pathwick::platform
