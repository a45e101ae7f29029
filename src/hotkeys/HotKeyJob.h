#pragma once

#include "common/MainWindowJob.h"
#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyMenu.h"
#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyStore.h"

#include <QObject>

namespace pathwick {
class MainWindowHost;
}

namespace pathwick::hotkeys {

// The hot key job of the main window: the poller runs while the switch is checked, asks the
// main window for test mode, and skips its ticks while the hot key window is shown.
class HotKeyJob : public QObject, public MainWindowJob {
public:
    HotKeyJob(MainWindowHost& host, const HotKeyMenu& menu, QObject* parent);

    // The switch as the load left it; the entry that fired last is forgotten.
    void loadFinished() override;

    const HotKeyPoller& poller() const { return poller_; }

private:
    void switchClicked(bool on);

    MainWindowHost& host_;
    HotKeyMenu menu_;
    StoreHotKeyTable table_;
    DesktopHotKeyActions actions_;
    HotKeyPoller poller_;
    bool waylandNoticeShown_ = false;
};

} // namespace pathwick::hotkeys
