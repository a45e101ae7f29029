#include "platform/linux/OsRelease.h"

#include <QStringList>

namespace pathwick::platform {

namespace {

// A shell-style value: quoted with ' or ", or bare; backslash escapes inside double quotes.
QString unquote(const QString& value) {
    if (value.size() >= 2 && value.front() == u'\'' && value.back() == u'\'')
        return value.mid(1, value.size() - 2);
    if (value.size() < 2 || value.front() != u'"' || value.back() != u'"')
        return value;
    QString out;
    const QString inner = value.mid(1, value.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\\' && i + 1 < inner.size())
            ++i;
        out.append(inner[i]);
    }
    return out;
}

} // namespace

QString prettyNameFromOsRelease(const QString& text) {
    static const QLatin1StringView key("PRETTY_NAME=");
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(key))
            return unquote(line.mid(key.size()).trimmed());
    }
    return {};
}

} // namespace pathwick::platform
