#include "shutdown/ShutdownController.h"

#include "common/MessageBoxes.h"
#include "common/MessageWindow.h"
#include "common/ShellServices.h"
#include "common/SoundServices.h"
#include "common/Version.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "shutdown/Clock.h"
#include "shutdown/PendingShutdown.h"
#include "shutdown/RebootSchedule.h"
#include "shutdown/RebootScheduleWindow.h"
#include "shutdown/ShutdownAtTimeWindow.h"
#include "shutdown/ShutdownCommand.h"
#include "shutdown/ShutdownCountdown.h"
#include "shutdown/ShutdownOptionsWindow.h"
#include "shutdown/ShutdownParameters.h"
#include "shutdown/ShutdownRequest.h"
#include "shutdown/ShutdownTexts.h"
#include "shutdown/ShutdownTime.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

#include <cmath>

namespace pathwick {

using namespace shutdown_texts;

namespace {

constexpr int FixedDelayHours[] = {1, 2, 3, 4, 6, 8, 10, 12};
constexpr int UserTimeItem = 8;
constexpr int DateIfNotToday = 1;
constexpr int NormalWindow = 0;

const QColor LastMinuteFore(95, 0, 0);
const QColor LastMinuteBack(255, 127, 127);

QString product() {
    return QString::fromLatin1(ProductName);
}

ShutdownServices& installedServices() {
    static ShutdownServices services;
    return services;
}

} // namespace

void installShutdownServices(const ShutdownServices& services) {
    installedServices() = services;
}

ShutdownController::ShutdownController(ShutdownWidgets widgets, ShutdownServices services,
                                       QObject* parent)
    : QObject(parent), widgets_(std::move(widgets)), services_(std::move(services)) {
    const ShutdownServices& installed = installedServices();
    if (!services_.command)
        services_.command = installed.command ? installed.command
                                              : std::make_shared<ProcessShutdownCommand>();
    if (!services_.probe)
        services_.probe = installed.probe ? installed.probe
                                          : std::make_shared<SystemPendingShutdownProbe>();
    if (!services_.clock)
        services_.clock = installed.clock ? installed.clock : std::make_shared<SystemClock>();
    countdown_ = new ShutdownCountdown(*services_.clock, this);
    connect(countdown_, &ShutdownCountdown::minutesLeftChanged, this,
            &ShutdownController::showMinutesLeft);
    connect(countdown_, &ShutdownCountdown::lastMinute, this, &ShutdownController::showLastMinute);
    connect(countdown_, &ShutdownCountdown::finished, this, &ShutdownController::launchAtTheEnd);
    connectMenu();
    ShutdownTimeText = NoShutdownTime;
    listWrapMode_ = widgets_.displayInfo->lineWrapMode();
}

ShutdownController::~ShutdownController() = default;

void ShutdownController::connectMenu() {
    connect(widgets_.menu.menu, &QMenu::aboutToShow, this,
            &ShutdownController::menu_Shutdown_Click);
    connect(widgets_.menu.options, &QAction::triggered, this,
            &ShutdownController::menu_ShutdownOptions_Click);
    connect(widgets_.menu.abort, &QAction::triggered, this,
            &ShutdownController::menu_ShutdownAbort_Click);
    for (int index = 0; index < widgets_.menu.times.size(); ++index)
        connect(widgets_.menu.times.at(index), &QAction::triggered, this,
                [this, index] { menu_ShutdownTime_Click(index); });
    connect(widgets_.menu.timeString, &QAction::triggered, this,
            &ShutdownController::menu_ShutdownTimeString_Click);
    connect(widgets_.menu.help, &QAction::triggered, this,
            &ShutdownController::menu_ShutdownHelp_Click);
}

// ---- Start-up ------------------------------------------------------------------------------

void ShutdownController::loadStarting() {
    // A load run again (the list editor saved) leaves a shutdown of ours in force: dropping
    // it would stop the countdown while the menu bar still counted the minutes.
    if (widgets_.warningPicture->isVisible()) {
        SetShutdownMenus(false, false);
        return;
    }
    ShutdownTimeText = NoShutdownTime;
    countdown_->stop();
    widgets_.warningPicture->hide();
    widgets_.menu.abort->setEnabled(false);
    if (ShutdownIsRunning() && read(catalogue::ThisAppControlsShutdown)) {
        loadedMessageWindow().setWindowTitle(product() + PendingCaption);
        MessageDisplay(PendingMessage, PendingTitle, PendingButtons, 0, PendingButtonWidth);
        if (ButtonValue() == 0) {
            RebootStarted = false;
            const ShutdownOutcome outcome = services_.command->run(AbortParameters);
            if (!outcome.ok)
                showRefusal(AbortFailedTitle, AbortFailedText, outcome.failure);
        }
    }
    SetShutdownMenus(!ShutdownIsRunning(), false);
}

void ShutdownController::loadFinished() {
    StartRebootTimer();
}

// The system is asked too, not our warning sign alone: a shutdown handed to the system before
// the program was started again must keep its abort once the window is active.
void ShutdownController::activated() {
    SetShutdownMenus(!ShutdownIsRunning(), false);
}

bool ShutdownController::mayClose(QWidget* window) {
    if (!countdown_->isRunning())
        return true;
    const QString text = QString(CloseWarningStart) + CrLf + ProductName + CloseWarningTimer +
                         CrLf + CloseWarningNotOff + CrLf + ShutdownTimeText + CrLf + CrLf +
                         '\t' + CloseWarningQuestion;
    return showMessage(window, QMessageBox::Warning, CloseWarningTitle + ShutdownTimeText, text,
                       QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No) == QMessageBox::Yes;
}

// ---- Starting and aborting -------------------------------------------------------------------

bool ShutdownController::StartShutdown(int hours, int minutes) {
    ForcedShutdown = read(catalogue::NoWarningsComputerShutdown);
    const bool controls = read(catalogue::ThisAppControlsShutdown);
    const QDateTime now = services_.clock->now();
    // A countdown from nothing runs a full hour; its end is what the texts must name.
    const qint64 total = qint64(hours) * 60 + minutes;
    const qint64 counted = controls && total <= 0 ? 60 : total;
    const QString timeText = timeIn(now, 0, counted, 0, DateIfNotToday);
    const QString comment = shutdownComment(hours, minutes, timeText, ForcedShutdown);

    // Any pending shutdown goes first; a system that will not even cancel one is not going
    // to shut down for us either, so say so now rather than at the end of the countdown.
    ShutdownOutcome outcome = services_.command->run(AbortParameters);
    if (outcome.ok && !controls)
        outcome = services_.command->run(
            scheduledShutdownParameters(hours, minutes, ReadShutdownReboot(), comment));
    if (!outcome.ok) {
        showRefusal(RefusedTitle, RefusedText, outcome.failure, true);
        SetShutdownMenus(!ShutdownIsRunning(), false);
        return false;
    }

    ShutdownMinutesLeft = counted;
    ShutdownTimeText = timeText;
    widgets_.warningPicture->setToolTip(shutdownToolTip(ShutdownTimeText, ForcedShutdown));
    widgets_.warningPicture->show();
    if (controls) {
        countdown_->start(counted);
        ShowShutdownDisplay(true);
        widgets_.menu.options->setEnabled(false);
    }
    SetShutdownMenus(!ShutdownIsRunning(), false);
    return true;
}

void ShutdownController::menu_ShutdownAbort_Click() {
    // Our countdown stops here; a shutdown the system counts, also one found pending at the
    // start and let be, only the system can cancel.
    if (read(catalogue::ThisAppControlsShutdown) && countdown_->isRunning()) {
        countdown_->stop();
        widgets_.menu.display->setText(Aborted);
        showMessage(widgets_.window, QMessageBox::Information, AbortedTitle, AbortedText);
        widgets_.menu.display->setVisible(false);
    } else {
        const ShutdownOutcome outcome = services_.command->run(AbortParameters);
        if (!outcome.ok) {
            // The system still has its shutdown; nothing here may say otherwise.
            showRefusal(AbortFailedTitle, AbortFailedText, outcome.failure);
            return;
        }
    }
    widgets_.warningPicture->hide();
    widgets_.menu.abort->setEnabled(false);
    ShutdownTimeText = NoShutdownTime;
    widgets_.menu.display->setText(NoShutdownTime);
    countdown_->stop();
    SetShutdownMenus(!ShutdownIsRunning(), false);
    returnToIdle();
}

bool ShutdownController::ShutdownIsRunning() {
    return widgets_.warningPicture->isVisible() || services_.probe->pending();
}

void ShutdownController::SetShutdownMenus(bool enable, bool keepAbortSame) {
    widgets_.menu.abort->setEnabled(enable);
    widgets_.menu.options->setEnabled(enable);
    widgets_.menu.abort->setEnabled(keepAbortSame ? enable : !enable);
    for (QAction* item : std::as_const(widgets_.menu.times))
        item->setEnabled(enable);
    widgets_.menu.timeString->setEnabled(enable);
    if (enable)
        widgets_.menu.timeString->setText(TimeStringSelect);
}

bool ShutdownController::ReadShutdownReboot() const {
    return read(catalogue::ShutdownReboot);
}

bool ShutdownController::countdownRunning() const {
    return countdown_->isRunning();
}

void ShutdownController::showRefusal(const char* titleSuffix, const char* text,
                                     const QString& systemWords, bool nothingStarted) {
    showMessage(widgets_.window, QMessageBox::Warning, titleSuffix,
                QString(text) + CrLf + CrLf + systemWords +
                    (nothingStarted ? QString(CrLf) + CrLf + RefusedNothingStarted : QString()));
}

// ---- The countdown ---------------------------------------------------------------------------

void ShutdownController::ShowShutdownDisplay(bool show) {
    widgets_.menu.display->setVisible(show);
    widgets_.menu.display->setText(show ? countdownCaption(ShutdownMinutesLeft, ShutdownTimeText)
                                   : QString(DisplayOff));
}

void ShutdownController::showMinutesLeft(qint64 minutesLeft) {
    ShutdownMinutesLeft = minutesLeft;
    ShowShutdownDisplay(true);
}

void ShutdownController::showLastMinute() {
    widgets_.window->showMaximized();
    QPlainTextEdit* info = widgets_.displayInfo;
    QPalette palette = info->palette();
    palette.setColor(QPalette::Text, LastMinuteFore);
    palette.setColor(QPalette::Base, LastMinuteBack);
    info->setPalette(palette);
    info->setFont(QFont(LastMinuteFont, LastMinuteFontSize));
    // The warning wraps to the box, whatever the list lines do.
    info->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    info->setPlainText(QString(LastMinuteText).remove('\r'));
    if (read(catalogue::BeepAtLastMinute))
        PlayWAV(AlarmSound, false, true);
}

void ShutdownController::launchAtTheEnd() {
    services_.command->run(AbortParameters);
    const ShutdownOutcome outcome =
        services_.command->run(finalShutdownParameters(ReadShutdownReboot(), ForcedShutdown));
    ShutdownTimeText = NoShutdownTime;
    widgets_.warningPicture->hide();
    widgets_.menu.abort->setEnabled(false);
    widgets_.menu.display->setVisible(false);
    returnToIdle();
    if (!outcome.ok) {
        SetShutdownMenus(!ShutdownIsRunning(), false);
        showRefusal(RefusedTitle, FinalRefusedText, outcome.failure);
    }
}

void ShutdownController::returnToIdle() {
    widgets_.window->showNormal();
    widgets_.displayInfo->setPalette(QPalette());
    widgets_.displayInfo->setFont(QFont());
    widgets_.displayInfo->setLineWrapMode(QPlainTextEdit::LineWrapMode(listWrapMode_));
    if (widgets_.refillDisplayInfo)
        widgets_.refillDisplayInfo();
}

// ---- The menu ----------------------------------------------------------------------------------

void ShutdownController::menu_Shutdown_Click() {
    widgets_.menu.times.at(UserTimeItem)
        ->setText(userTimeCaption(read(catalogue::UserShutdownTimeHours),
                                  read(catalogue::UserShutdownTimeMinutes)));
}

void ShutdownController::menu_ShutdownTime_Click(int index) {
    if (index < UserTimeItem) {
        StartShutdown(FixedDelayHours[index], 0);
        return;
    }
    const Delay delay = userTimeDelay(
        read(catalogue::UserShutdownTimeHours),
        readNumber(ProgramKey(), catalogue::UserShutdownTimeMinutes.name,
                   catalogue::DelayMenuShutdownMinutesDefault));
    StartShutdown(delay.hours, delay.minutes);
}

void ShutdownController::menu_ShutdownTimeString_Click() {
    ShutdownAtTimeWindow window(*services_.clock, widgets_.window);
    window.setWindowTitle(product() + AtTimeCaption);
    window.exec();
    QString timeString;
    const double delay = window.getNewTime(nullptr, nullptr, nullptr, &timeString);
    widgets_.menu.timeString->setText(TimeStringStart + timeString);
    if (delay >= 1) {
        const qint64 total = qint64(std::nearbyint(delay));
        StartShutdown(int(total / 60), int(total % 60));
    }
}

void ShutdownController::menu_ShutdownOptions_Click() {
    ShutdownOptionsWindow window(*services_.clock, widgets_.window);
    window.setWindowTitle(product() + OptionsCaption);
    window.exec();
}

void ShutdownController::menu_ShutdownHelp_Click() {
    const ShutdownOutcome outcome = services_.command->run(HelpParameters);
    const QString helpPath = QDir(ProgramWriteFolder()).filePath(HelpFileName);
    QFile help(helpPath);
    if (outcome.ok && !outcome.output.isEmpty() &&
        help.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        help.write(outcome.output.toLocal8Bit());
    help.close();
    if (!QFile::exists(helpPath) || !outcome.ok) {
        showMessage(widgets_.window, QMessageBox::Information, HelpNoteTitle,
                    outcome.ok ? QString(HelpNoteText)
                               : HelpNoteText + QString(CrLf) + CrLf + outcome.failure);
        return;
    }
    OpenWithShell(helpPath, QString(), NormalWindow);
}

// ---- Requests and the re-boot schedule ---------------------------------------------------------

void ShutdownController::runRequest(const QString& prepared, const QString& commandLine) {
    const ShutdownRequestOutcome outcome =
        evaluateShutdownRequest(prepared, commandLine, services_.clock->now());
    if (outcome.start) {
        if (StartShutdown(outcome.hours, outcome.minutes))
            SetShutdownMenus(false, false);
        return;
    }
    if (!outcome.message.isEmpty())
        showMessage(widgets_.window, QMessageBox::Warning, outcome.titleSuffix, outcome.message);
}

void ShutdownController::showRebootSchedule(QWidget* owner) {
    RebootScheduleWindow window(*services_.clock, [this] { StartRebootTimer(); }, owner);
    window.exec();
}

void ShutdownController::StartRebootTimer() {
    QVariant run;
    ReadSetting(catalogue::RunAtBootEntry.root, catalogue::RunAtBootEntry.keyPath,
                catalogue::RunAtBootEntry.name, QStringLiteral("S"),
                QString::fromLatin1(catalogue::RunAtBootEntry.defaultValue), run);
    const int index = run.toString().isEmpty() ? 0 : read(catalogue::RebootEveryHourIndex);
    if (index == 0) {
        if (RebootStarted)
            menu_ShutdownAbort_Click();
        RebootStarted = false;
        return;
    }
    if (RebootStarted)
        return;
    const QString key = keyPathOf(catalogue::RebootEveryHours);
    const RebootDue due = rebootDue(
        services_.clock->now(),
        readSmallNumber(key, catalogue::RebootEveryHours.name, catalogue::RebootTimerHoursDefault),
        readSmallNumber(key, catalogue::RebootEveryMinutes.name,
                        catalogue::RebootTimerMinutesDefault),
        read(catalogue::RebootEveryAmPm), index);
    widgets_.menu.timeString->setText(rebootTimeStringCaption(due.time));
    RebootStarted = StartShutdown(int(due.minutes / 60), int(due.minutes % 60));
}

} // namespace pathwick
