#include "shutdown/ShutdownParameters.h"

#include "shutdown/ShutdownTexts.h"

namespace pathwick {

using namespace shutdown_texts;

namespace {

constexpr int SecondsPerHour = 3600;
constexpr int SecondsPerMinute = 60;

QString quoted(const QString& text) {
    return '"' + text + '"';
}

} // namespace

QString shutdownComment(int hours, int minutes, const QString& timeText, bool forced) {
    QString minuteText;
    if (minutes != 0) {
        minuteText = CommentAnd + QString::number(minutes) + CommentMinute;
        if (minutes != 1)
            minuteText += 's';
    }
    const QString inHours = hours == 1 ? QString(CommentInOneHour)
                                       : CommentInHoursStart + QString::number(hours) +
                                             CommentInHoursEnd;
    QString comment = CommentStart + inHours + minuteText + CommentAt + timeText + CrLf +
                      (forced ? DataLost : DataAsked) + '"';
    if (forced)
        comment += ForceParameter;
    return comment;
}

QString scheduledShutdownParameters(int hours, int minutes, bool restart, const QString& comment) {
    const qint64 seconds = qint64(hours) * SecondsPerHour + qint64(minutes) * SecondsPerMinute;
    return (restart ? RestartParameter : PowerOffParameter) + QString(DelayParameter) +
           QString::number(seconds) + comment;
}

QString finalShutdownParameters(bool restart, bool forced) {
    return QString(restart ? RestartParameter : PowerOffParameter) + (forced ? ForceParameter : "");
}

QString shutdownToolTip(const QString& timeText, bool forced) {
    return ToolTipStart + QString(CrLf) + ToolTipAt + timeText + CrLf +
           (forced ? ToolTipDataLost : ToolTipDataAsked);
}

QStringList probeBatchFileLines(const QString& statusPath) {
    return {
        "@ECHO OFF",
        "Shutdown /s /t 800000 1> nul 2> nul",
        "",
        "IF NOT %ERRORLEVEL% == 0 (",
        "  REM Shutdown error as shutdown was already running.",
        "  SET ShutdownRuning=true",
        ") ELSE (",
        "  REM No shutdown error, so shutdown was not running, but is now rinning.",
        "  REM So end (cancel) shutdown now.",
        "  Shutdown /a",
        "  SET ShutdownRuning=false",
        ")",
        "",
        "REM echo ShutdownRuning = %ShutdownRuning%",
        "REM pause",
        "",
        ProbeBatchStatusLine + quoted(statusPath),
    };
}

bool probeStatusSaysPending(const QString& statusLine) {
    return statusLine.trimmed().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

QString helpBatchFileLine(const QString& helpPath) {
    return HelpBatchLine + quoted(helpPath);
}

} // namespace pathwick
