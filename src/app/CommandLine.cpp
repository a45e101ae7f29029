#include "app/CommandLine.h"

#include "app/AppTexts.h"
#include "common/StringServices.h"
#include "common/Version.h"

namespace pathwick {

namespace {

QString prepareShutdownRequest(QString cmd) {
    for (const QChar separator : {QChar(':'), QChar('/'), QChar('\\'), QChar('-')})
        cmd.replace(separator, QChar(','));
    cmd.remove(' ');
    return cmd;
}

} // namespace

std::optional<QString> informationRequest(const QStringList& arguments) {
    if (arguments.size() != 1)
        return std::nullopt;
    if (arguments.first() == QLatin1String(texts::VersionOption))
        return VersionCaption() + '\n';
    if (arguments.first() == QLatin1String(texts::HelpOption))
        return QString::fromUtf8(texts::Usage);
    return std::nullopt;
}

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
