#include "settings/StoreLocation.h"

#include "settings/StoreConnection.h"

#include <QDir>

namespace pathwick {

QString storePath() {
    const QString chosen = qEnvironmentVariable("PATHWICK_STORE");
    if (!chosen.isEmpty())
        return chosen;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/pathwick/settings.sqlite3");
}

QString takeStoreNotice() {
    return store::Connection::instance().takeNotice();
}

void closeStore() {
    store::Connection::instance().close();
}

} // namespace pathwick
