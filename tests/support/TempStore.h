#pragma once

#include "settings/StoreLocation.h"
#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

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

// Runs SQL on a store file through a connection of its own, as another running copy would;
// SQLITE_OK when it ran.
inline int runSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    int result = sqlite3_open(QFile::encodeName(path).constData(), &db);
    if (result == SQLITE_OK)
        result = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return result;
}

} // namespace pathwick::test
