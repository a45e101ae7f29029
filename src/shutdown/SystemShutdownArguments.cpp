#include "shutdown/SystemShutdownArguments.h"

#include "shutdown/ShutdownTexts.h"

namespace pathwick {

namespace {

constexpr qint64 SecondsPerMinute = 60;
// Ten years of minutes: a longer delay is not a delay any system keeps.
constexpr qint64 MaxDelaySeconds = 10LL * 366 * 24 * 3600;

// Splits at blanks; a double-quoted part is one token without its quotes.
QStringList tokens(const QString& parameters) {
    QStringList result;
    QString current;
    bool inQuotes = false;
    bool hasToken = false;
    for (const QChar c : parameters) {
        if (c == '"') {
            inQuotes = !inQuotes;
            hasToken = true;
        } else if (c == ' ' && !inQuotes) {
            if (hasToken)
                result.append(current);
            current.clear();
            hasToken = false;
        } else {
            current += c;
            hasToken = true;
        }
    }
    if (hasToken)
        result.append(current);
    return result;
}

SystemShutdownCall refused(const QString& error) {
    SystemShutdownCall call;
    call.error = error;
    return call;
}

} // namespace

SystemShutdownCall systemShutdownArguments(const QString& windowsParameters) {
    using namespace shutdown_texts;
    const QStringList parts = tokens(windowsParameters);
    QString action;
    QString when = QStringLiteral("now");
    QString message;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parts.at(i).toLower();
        if (part == "-s" || part == "/s") {
            action = QStringLiteral("-h");
        } else if (part == "-r" || part == "/r") {
            action = QStringLiteral("-r");
        } else if (part == "-a" || part == "/a") {
            action = QStringLiteral("-c");
        } else if (part == "/?") {
            action = QStringLiteral("--help");
        } else if (part == "-f" || part == "/f") {
            continue;
        } else if (part == "-t" || part == "/t") {
            bool ok = false;
            const qint64 seconds = i + 1 < parts.size() ? parts.at(i + 1).toLongLong(&ok) : -1;
            if (!ok || seconds < 0 || seconds > MaxDelaySeconds)
                return refused(MissingDelay);
            when = '+' + QString::number((seconds + SecondsPerMinute - 1) / SecondsPerMinute);
            ++i;
        } else if ((part == "-c" || part == "/c") && i + 1 < parts.size()) {
            message = parts.at(++i);
            message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        } else {
            return refused(QString(UnknownParameter).arg(parts.at(i)));
        }
    }
    if (action.isEmpty())
        return refused(QString(UnknownParameter).arg(windowsParameters));

    SystemShutdownCall call;
    call.valid = true;
    call.arguments.append(action);
    if (action == "-h" || action == "-r") {
        // Positional arguments after "--", so a message can never read as an option.
        call.arguments.append(QStringLiteral("--"));
        call.arguments.append(when);
        if (!message.isEmpty())
            call.arguments.append(message);
    }
    return call;
}

} // namespace pathwick
