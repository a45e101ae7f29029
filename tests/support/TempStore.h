#pragma once

#include "settings/StoreLocation.h"
#include "support/ScopedEnvironment.h"

#include <QString>
#include <QTemporaryDir>

namespace pathwick::test {

// A settings store of the test's own: while it lives, PATHWICK_STORE names a fresh file in a
// new temporary folder. The store connection is closed on entry and on exit.
class TempStore {
public:
    TempStore() {
        closeStore();
        environment_.set("PATHWICK_STORE", path().toLocal8Bit());
    }
    ~TempStore() { closeStore(); }

    // The store file (not created until the store is first used).
    QString path() const { return folder_.filePath(QStringLiteral("settings.sqlite3")); }
    // The temporary folder that holds it; removed with everything in it on exit.
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    ScopedEnvironment environment_;
};

} // namespace pathwick::test
