#include "app/HiddenToolsCommands.h"

#include "app/HiddenTools.h"
#include "app/HiddenToolsTexts.h"
#include "app/RunningCopies.h"
#include "common/MessageBoxes.h"
#include "common/MessageWindow.h"
#include "common/ShellServices.h"
#include "common/Version.h"
#include "platform/Platform.h"
#include "settings/Catalogue.h"

namespace pathwick {

namespace {

constexpr int NormalWindow = 0;
constexpr int Opened = platform::ShellResult::Success;
constexpr int LoadDefault = 1;
constexpr int LoadButtonWidth = 1000;
constexpr int MissingDefault = 1;
constexpr int MissingButtonWidth = 2000;
constexpr int TaskManagerButtonWidth = 1335;
const QColor DarkRed(128, 0, 0);
const QColor LightGrey(0xCF, 0xCF, 0xCF);

} // namespace

void menu_LoadLampwatch_Click(const QString& programFolder) {
    using namespace hidden_texts;
    const QString question = LoadQuestion + QStringLiteral("\r\n") + companionFile() +
                             LoadQuestionEnd;
    if (MessageDisplay(question, LoadHeading, LoadButtons, LoadDefault, LoadButtonWidth) != 0)
        return;
    const QString companion = companionPath(programFolder);
    if (OpenWithShell(companion, QString(), NormalWindow) == Opened ||
        OpenWithShell(companion, QString(), NormalWindow) == Opened)
        return;
    MessageWindow& window = loadedMessageWindow();
    window.setWindowTitle(ProductName + QString(MissingCaption) + companionFile());
    window.setColours(DarkRed, LightGrey, LightGrey);
    const int answer = MessageDisplay(companionMissingText(programFolder),
                                      MissingHeadingStart + companionFile() + MissingHeadingEnd,
                                      MissingButtons, MissingDefault, MissingButtonWidth);
    if (answer == 0)
        OpenWithShell(programFolder, QString(), NormalWindow);
}

void menuHidden_TaskManager_Click(QWidget* owner) {
    using namespace hidden_texts;
    loadedMessageWindow().setWindowTitle(ProductName + QString(TaskManagerCaption));
    const QString question = TaskManagerQuestion + QStringLiteral("\r\n");
    if (MessageDisplay(question, TaskManagerHeading, TaskManagerButtons, 0,
                       TaskManagerButtonWidth) != 0)
        return;
    // Unlike Windows, a desktop may have no system monitor at all: say so instead of nothing.
    if (OpenWithShell(TaskManagerProgram, QString(), NormalWindow) != Opened)
        showMessage(owner, QMessageBox::Information, NoSystemMonitorTitle, NoSystemMonitor);
}

void menuHidden_ToDoList_Click(QWidget* owner) {
    showMessage(owner, QMessageBox::Information, hidden_texts::ToDoTitle, toDoListText());
}

void menuHidden_X_Click(QWidget* owner) {
    const std::optional<QStringList> walk = platform::processes().executableNames();
    const QString text =
        selfTestText(walk.value_or(QStringList()), ExecutableName() + ExecutableSuffix());
    // Titled with the number of processes alone, from a walk of its own.
    QMessageBox box(QMessageBox::NoIcon, RunningProcessInfo(-1), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace pathwick
