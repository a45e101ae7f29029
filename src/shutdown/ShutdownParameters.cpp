#include "shutdown/ShutdownParameters.h"

#include "shutdown/ShutdownTexts.h"

namespace pathwick {

using namespace shutdown_texts;

namespace {

constexpr int SecondsPerHour = 3600;
constexpr int SecondsPerMinute = 60;

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

} // namespace pathwick
