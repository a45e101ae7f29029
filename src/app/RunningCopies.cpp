#include "app/RunningCopies.h"

#include "app/AppTexts.h"
#include "common/Version.h"
#include "platform/Platform.h"

namespace pathwick {

namespace {

constexpr auto CrLf = "\r\n";

} // namespace

QString processInfoFrom(const std::optional<QStringList>& walk, int index) {
    // Nothing walked: the count reads as the (empty) name list, every name as "".
    if (!walk)
        return QString();
    if (index == -1)
        return ' ' + QString::number(walk->size());
    if (index == 0) {
        QString all;
        for (const QString& name : *walk)
            all += name + CrLf;
        return all;
    }
    if (index >= 1 && index <= walk->size())
        return walk->at(index - 1);
    return QString();
}

QString RunningProcessInfo(int index) {
    return processInfoFrom(platform::processes().executableNames(), index);
}

QStringList copiesIn(const QStringList& names, const QString& executableWithSuffix) {
    QStringList copies;
    for (const QString& name : names) {
        if (name == executableWithSuffix)
            copies.append(name);
    }
    return copies;
}

int countCopiesIn(const QStringList& names, const QString& executableWithSuffix) {
    return int(copiesIn(names, executableWithSuffix).size());
}

int CountRunningCopies() {
    // One walk serves the whole count: a walk per entry would read the list N times.
    const std::optional<QStringList> walk = platform::processes().executableNames();
    return walk ? countCopiesIn(*walk, ExecutableName() + ExecutableSuffix()) : 0;
}

QString runningCopiesText(int count, const QString& executableName, const QString& suffix) {
    using namespace texts;
    const QString program = executableName + suffix;
    return CopiesThereAre + QString::number(count) + CopiesCopiesOf + program + CopiesRunning +
           CrLf + CopiesRuningMore + program + CrLf + CopiesHotKeys + CrLf + CopiesWrongTime +
           CrLf + CrLf + CopiesCloseThis + executableName + CopiesQuestionEnd;
}

} // namespace pathwick
