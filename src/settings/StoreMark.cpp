#include "settings/StoreMark.h"

#include "settings/StoreConnection.h"

#include <sqlite3.h>

namespace pathwick {

std::optional<StoreMark> storeMark() {
    store::Connection& connection = store::Connection::instance();
    if (connection.ensureOpen() != 0)
        return std::nullopt;
    store::StatementUse query(store::Query::DataVersion);
    if (query.step() != SQLITE_ROW)
        return std::nullopt;
    return StoreMark{connection.changes(), query.integer(0)};
}

} // namespace pathwick
