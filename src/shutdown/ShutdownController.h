#pragma once

#include "common/MainWindowJob.h"
#include "shutdown/ShutdownMenu.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QWidget;

namespace pathwick {

class Clock;
class PendingShutdownProbe;
class ShutdownCommand;
class ShutdownCountdown;

// The parts of the main window the shutdown work drives.
struct ShutdownWidgets {
    ShutdownMenu menu;
    QWidget* window = nullptr; // owner of the shutdown windows; maximised in the last minute
    QPlainTextEdit* displayInfo = nullptr;
    QWidget* warningPicture = nullptr; // shown while a shutdown is pending
    std::function<void()> refillDisplayInfo;
};

// What the shutdown work runs on; members left empty get the installed ones, else the real.
struct ShutdownServices {
    std::shared_ptr<ShutdownCommand> command;
    std::shared_ptr<PendingShutdownProbe> probe;
    std::shared_ptr<const Clock> clock;
};
// Replaces the services of controllers made from now on (tests); empty members keep the real.
void installShutdownServices(const ShutdownServices& services);

// The shutdown job of the main window: starting, counting down, warning, launching and
// aborting a shutdown, the shutdown menu, the start-up check, the command-line requests and
// the re-boot schedule. A shutdown the system refuses is shown in its own words, and nothing
// then claims to be pending.
class ShutdownController : public QObject, public MainWindowJob {
    Q_OBJECT
public:
    ShutdownController(ShutdownWidgets widgets, ShutdownServices services = {},
                       QObject* parent = nullptr);
    ~ShutdownController() override;

    // Load: no shutdown of ours, the question about one the system has, the menus; then the
    // re-boot schedule. Activation refreshes the menus; a close asks while counting down.
    void loadStarting() override;
    void loadFinished() override;
    void activated() override;
    bool mayClose(QWidget* window) override;

    // Starts a shutdown after the delay; false (and the system's words shown) when refused.
    bool StartShutdown(int hours, int minutes);
    void menu_ShutdownAbort_Click();
    bool ShutdownIsRunning();
    void SetShutdownMenus(bool enable, bool keepAbortSame);
    bool ReadShutdownReboot() const;
    void StartRebootTimer();
    // The re-boot schedule window, modal over owner; saving it restarts the schedule.
    void showRebootSchedule(QWidget* owner);
    // A "?HoursMinutes=" or "?DateTime=" request as the command line prepared it.
    void runRequest(const QString& prepared, const QString& commandLine);
    bool countdownRunning() const;
    QString shutdownTimeText() const { return ShutdownTimeText; }
    bool rebootStarted() const { return RebootStarted; }
    ShutdownCountdown& countdown() { return *countdown_; }

private:
    void connectMenu();
    void menu_Shutdown_Click();
    void menu_ShutdownTime_Click(int index);
    void menu_ShutdownTimeString_Click();
    void menu_ShutdownOptions_Click();
    void menu_ShutdownHelp_Click();
    void ShowShutdownDisplay(bool show);
    void showMinutesLeft(qint64 minutesLeft);
    void showLastMinute();
    void launchAtTheEnd();
    void returnToIdle();
    void showRefusal(const char* titleSuffix, const char* text, const QString& systemWords,
                     bool nothingStarted = false);

    ShutdownWidgets widgets_;
    ShutdownServices services_;
    ShutdownCountdown* countdown_ = nullptr;

    qint64 ShutdownMinutesLeft = 0;
    bool ForcedShutdown = true;
    QString ShutdownTimeText;
    bool RebootStarted = false;
    int listWrapMode_ = 0; // how the information box wraps its list lines
};

} // namespace pathwick
