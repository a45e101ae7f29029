#include "support/TempStore.h"

#include "settings/StoreLocation.h"

namespace pathwick::test {

namespace {
constexpr auto StoreVariable = "PATHWICK_STORE";
}

TempStore::TempStore()
    : previous_(qgetenv(StoreVariable)), hadPrevious_(qEnvironmentVariableIsSet(StoreVariable)) {
    closeStore();
    qputenv(StoreVariable, path().toLocal8Bit());
}

TempStore::~TempStore() {
    closeStore();
    if (hadPrevious_)
        qputenv(StoreVariable, previous_);
    else
        qunsetenv(StoreVariable);
}

QString TempStore::path() const {
    return folder_.filePath(QStringLiteral("settings.sqlite3"));
}

QString TempStore::folder() const {
    return folder_.path();
}

} // namespace pathwick::test
