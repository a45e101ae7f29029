#include "app/CommandLine.h"

#include "app/AppTexts.h"

namespace pathwick {

namespace {

// Only spaces are trimmed: other blanks belong to the text.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == ' ')
        ++first;
    while (last > first && text.at(last - 1) == ' ')
        --last;
    return text.mid(first, last - first);
}

QString prepareShutdownRequest(QString cmd) {
    for (const QChar separator : {QChar(':'), QChar('/'), QChar('\\'), QChar('-')})
        cmd.replace(separator, QChar(','));
    cmd.remove(' ');
    return cmd;
}

} // namespace

CommandLineRequest classifyCommandLine(const QString& commandLine) {
    if (commandLine.isEmpty())
        return {};
    QString cmd = trimSpaces(commandLine);
    if (cmd.size() >= 2 && cmd.startsWith('"') && cmd.endsWith('"'))
        cmd = trimSpaces(cmd.mid(1, cmd.size() - 2));
    if (cmd.compare(texts::HiddenRequest, Qt::CaseInsensitive) == 0)
        return {CommandRequest::Hidden, QString()};
    if (cmd.startsWith('?')) {
        const QString prepared = prepareShutdownRequest(cmd);
        if (prepared.startsWith(texts::DelayRequest, Qt::CaseInsensitive))
            return {CommandRequest::Delay, prepared};
        if (prepared.startsWith(texts::DateRequest, Qt::CaseInsensitive))
            return {CommandRequest::DateTime, prepared};
    }
    if (cmd.isEmpty())
        return {};
    return {CommandRequest::Editor, cmd};
}

} // namespace pathwick
