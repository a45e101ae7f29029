#pragma once

#include <QString>

namespace pathwick {

// The folders the path tokens stand for.
enum class UserFolder {
    AppPath,   // the program's executable's folder
    Documents, // the XDG user folders
    Downloads,
    Pictures,
    Videos,
    Music,
    Desktop,
    PublicShare, // the XDG public-share folder
    SystemRoot,  // "/"
    RecycleBin,  // $XDG_DATA_HOME/Trash/files
};

// The folder's path as the desktop names it now (no trailing separator except for "/").
QString userFolderPath(UserFolder folder);

} // namespace pathwick
