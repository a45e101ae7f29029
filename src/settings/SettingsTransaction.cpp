#include "settings/SettingsTransaction.h"

#include "settings/StoreConnection.h"

namespace pathwick {

SettingsTransaction::SettingsTransaction() {
    const auto scope = store::Connection::instance().enterTransaction();
    generation_ = scope.generation;
    owner_ = scope.owner;
}

SettingsTransaction::~SettingsTransaction() {
    store::Connection::instance().leaveTransaction({generation_, owner_}, committed_);
}

bool SettingsTransaction::commit() {
    if (done_)
        return committed_;
    done_ = true;
    committed_ = store::Connection::instance().commitTransaction({generation_, owner_});
    return committed_;
}

} // namespace pathwick
