#include "support/TempStore.h"

#include "settings/StoreLocation.h"

namespace pathwick::test {

TempStore::TempStore() {
    closeStore();
    environment_.set("PATHWICK_STORE", path().toLocal8Bit());
}

TempStore::~TempStore() {
    closeStore();
}

} // namespace pathwick::test
