#include "hotkeys/HotKeyJob.h"

#include "common/MainWindowHost.h"
#include "common/MessageBoxes.h"
#include "common/MessageWindow.h"
#include "hotkeys/HotKeyTexts.h"
#include "hotkeys/HotKeyWindowShown.h"
#include "hotkeys/WaylandSession.h"
#include "platform/Platform.h"

#include <QAction>

namespace pathwick::hotkeys {

namespace {

// The platform's key state as it is at each question, so installed fakes are followed.
class CurrentKeyState : public platform::KeyState {
public:
    bool isDown(int virtualKey) override { return platform::keys().isDown(virtualKey); }
    platform::KeySnapshot snapshot(bool withMouseButtons) override {
        return platform::keys().snapshot(withMouseButtons);
    }
};

CurrentKeyState currentKeys;

} // namespace

HotKeyJob::HotKeyJob(MainWindowHost& host, const HotKeyMenu& menu, QObject* parent)
    : QObject(parent), host_(host), menu_(menu),
      poller_(table_, currentKeys, actions_,
              {hotKeyWindowShown, [this] { return host_.TestModeValue_valueGet(); }}, this) {
    connect(menu_.onOff, &QAction::triggered, this, &HotKeyJob::switchClicked);
}

void HotKeyJob::loadFinished() {
    poller_.setRunning(menu_.onOff->isChecked());
    poller_.clearLastFired();
}

// The entry checks and unchecks itself; nothing is written here, the main window writes
// the switch when it closes.
void HotKeyJob::switchClicked(bool on) {
    menu_.onOff->setText(QLatin1String(on ? texts::SwitchRunning : texts::SwitchDisabled));
    poller_.setRunning(on);
    // Under Wayland the keys of native Wayland windows never reach the poller: said once.
    if (on && !waylandNoticeShown_ && isWaylandSession()) {
        waylandNoticeShown_ = true;
        showMessage(messageWindowOwner(), QMessageBox::Information, texts::WaylandTitle,
                    waylandNotice());
    }
}

} // namespace pathwick::hotkeys
