#pragma once

#include <QStringList>
#include <optional>

namespace pathwick::platform {

// The executable file names (no folder) of the current user's processes, in a stable walk
// order; nothing when the list cannot be taken.
class ProcessList {
public:
    virtual ~ProcessList() = default;
    virtual std::optional<QStringList> executableNames() = 0;
};

} // namespace pathwick::platform
