#pragma once

#include "dirlist/UserFolders.h"

#include <QString>
#include <array>
#include <optional>

namespace pathwick {

// Expands a path token at the start of an entry (":Documents:\Letters") into a real path.
QString RealPathFromStr(const QString& thePath);

// RealPathFromStr for runs over many entries: each folder and environment value is looked
// up once, on first use, and kept for the expander's lifetime.
class PathExpander {
public:
    QString expand(const QString& thePath);
    QString folder(UserFolder which);

private:
    QString homeDrive();

    std::array<std::optional<QString>, static_cast<int>(UserFolder::RecycleBin) + 1> folders_;
    std::optional<QString> homeDrive_;
};

} // namespace pathwick
