#include "platform/Environment.h"

#include <QProcessEnvironment>

namespace pathwick::platform {

QString environmentValue(const QString& name) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : env.keys())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return env.value(key);
    return {};
}

} // namespace pathwick::platform
