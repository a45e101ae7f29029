#include "app/CommandLine.h"

#include "app/AppTexts.h"
#include "common/StringServices.h"

namespace pathwick {

namespace {

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
