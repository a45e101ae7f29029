#pragma once

#include <QString>

namespace pathwick {

// Expands a path token at the start of an entry (":Documents:\Letters") into a real path.
QString RealPathFromStr(const QString& thePath);

} // namespace pathwick
