#include "platform/linux/CommandLineSplit.h"

namespace pathwick::platform {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Reads the argument that starts at i (after any blanks) and leaves i behind it; false when
// only blanks are left.
bool nextArgument(const QString& text, qsizetype& i, QString& argument) {
    const qsizetype size = text.size();
    while (i < size && isBlank(text[i]))
        ++i;
    if (i >= size)
        return false;
    argument.clear();
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
    return true;
}

} // namespace

QStringList splitCommandLine(const QString& text) {
    QStringList arguments;
    qsizetype i = 0;
    QString argument;
    while (nextArgument(text, i, argument))
        arguments.append(argument);
    return arguments;
}

ProgramAndParameters splitProgram(const QString& commandLine) {
    qsizetype i = 0;
    ProgramAndParameters split;
    if (!nextArgument(commandLine, i, split.program))
        return {};
    while (i < commandLine.size() && isBlank(commandLine[i]))
        ++i;
    split.parameters = commandLine.mid(i);
    return split;
}

} // namespace pathwick::platform
