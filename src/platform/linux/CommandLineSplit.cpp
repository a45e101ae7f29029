#include "platform/linux/CommandLineSplit.h"

namespace pathwick::platform {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QStringList splitCommandLine(const QString& text) {
    QStringList arguments;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (true) {
        while (i < size && isBlank(text[i]))
            ++i;
        if (i >= size)
            break;
        QString argument;
        bool quoted = false;
        while (i < size && (quoted || !isBlank(text[i]))) {
            if (text[i] == u'\\') {
                qsizetype backslashes = 0;
                while (i < size && text[i] == u'\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < size && text[i] == u'"') {
                    argument.append(QString(backslashes / 2, u'\\'));
                    if (backslashes % 2 == 1) {
                        argument.append(u'"');
                        ++i;
                    }
                } else {
                    argument.append(QString(backslashes, u'\\'));
                }
                continue;
            }
            if (text[i] == u'"') {
                if (quoted && i + 1 < size && text[i + 1] == u'"') {
                    argument.append(u'"');
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            argument.append(text[i]);
            ++i;
        }
        arguments.append(argument);
    }
    return arguments;
}

} // namespace pathwick::platform
