#include "app/HiddenTools.h"

#include "app/HiddenToolsTexts.h"
#include "app/RunningCopies.h"
#include "common/Version.h"

namespace pathwick {

namespace {

constexpr auto CrLf = "\r\n";

} // namespace

QString companionFile() {
    return QLatin1String(hidden_texts::CompanionName) + ExecutableSuffix();
}

QString companionPath(const QString& programFolder) {
    return programFolder + u'/' + companionFile();
}

QString companionMissingText(const QString& programFolder) {
    using namespace hidden_texts;
    const QString program = ExecutableName() + ExecutableSuffix();
    return MissingCantFind + companionFile() + CrLf + MissingPlease + companionFile() +
           MissingSameDirectory + program + CrLf + CrLf + MissingTheStart + program +
           MissingDirectoryIs + CrLf + programFolder;
}

QString toDoListText() {
    using namespace hidden_texts;
    QString text = QString(ToDoHeading) + CrLf + ToDoVersion + VersionText() + QStringLiteral(", ") +
                   getAppDate() + u')' + CrLf;
    for (const char* line : ToDoLines)
        text += u'\t' + QLatin1String(line) + CrLf;
    return text + CrLf + ToDoLast + CrLf;
}

QString selfTestText(const QStringList& processNames, const QString& executableWithSuffix) {
    using namespace hidden_texts;
    const QStringList copies = copiesIn(processNames, executableWithSuffix);
    QString text;
    for (const QString& name : copies)
        text += name + CrLf;
    text += CrLf + QString(SelfTestThisApp) + ExecutableName() + CrLf;
    if (copies.size() == 1)
        return text + SelfTestOk;
    return text + QString::number(copies.size()) + SelfTestNotOne;
}

} // namespace pathwick
