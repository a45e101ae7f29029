#include "app/StartUp.h"

#include "app/AppTexts.h"
#include "app/RunningCopies.h"
#include "common/MessageWindow.h"
#include "common/Version.h"

#include <QTimer>

namespace pathwick {

namespace {

constexpr int CopiesAutoCloseMs = 15000;
constexpr int CopiesButtonWidth = 1335;
constexpr int RunAnyway = 1;

} // namespace

bool runningCopiesCheckPasses() {
    const int count = CountRunningCopies();
    if (count == 1)
        return true;
    QTimer* closer = loadedMessageWindow().tim_WindowCloseTimer;
    closer->setInterval(CopiesAutoCloseMs);
    closer->start();
    const int answer =
        MessageDisplay(runningCopiesText(count, ExecutableName(), ExecutableSuffix()),
                       texts::CopiesHeading, texts::CopiesButtons, 0, CopiesButtonWidth);
    return answer == RunAnyway;
}

std::optional<QString> Form_Initialize(const QStringList& arguments) {
    const QString commandLine = arguments.mid(1).join(' ');
    if (!runningCopiesCheckPasses())
        return std::nullopt;
    return commandLine;
}

} // namespace pathwick
