#pragma once

#include <QtGlobal>

#include <optional>

namespace pathwick {

// A mark of what the store holds: two equal marks mean nothing was written in between,
// neither by this process nor by another connection to the same file. Taking one reads no
// table, so a reader can keep what it read until the mark changes.
struct StoreMark {
    quint64 changes = 0;    // writes, transaction ends and reopenings of this process
    qint64 dataVersion = 0; // SQLite's count of the commits of other connections
    friend bool operator==(const StoreMark&, const StoreMark&) = default;
};

// Nothing when the store is not open, so nothing read from it is trusted to last.
std::optional<StoreMark> storeMark();

} // namespace pathwick
