#include "platform/linux/UserDirs.h"

#include <QStringList>

namespace pathwick::platform {

QString userDirFromUserDirs(const QString& text, const QString& key, const QString& home) {
    const QString prefix = key + u'=';
    QString found;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (!line.startsWith(prefix))
            continue;
        QString value = line.mid(prefix.size()).trimmed();
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
            value = value.mid(1, value.size() - 2);
        value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        if (value.startsWith(u"$HOME"))
            value = home + value.mid(5);
        else if (!value.startsWith(u'/'))
            value = home + u'/' + value;
        // The last assignment wins, as when the file is sourced.
        found = value;
    }
    while (found.size() > 1 && found.endsWith(u'/'))
        found.chop(1);
    return found;
}

} // namespace pathwick::platform
