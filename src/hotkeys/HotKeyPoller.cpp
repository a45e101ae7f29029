#include "hotkeys/HotKeyPoller.h"

#include "platform/ShellLauncher.h"

namespace pathwick::hotkeys {

HotKeyPoller::HotKeyPoller(HotKeyTable& table, platform::KeyState& keys, HotKeyActions& actions,
                           Switches switches, QObject* parent)
    : QObject(parent), table_(table), keys_(keys), actions_(actions),
      switches_(std::move(switches)) {
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &HotKeyPoller::tick);
}

void HotKeyPoller::setRunning(bool running) {
    if (running)
        timer_.start();
    else
        timer_.stop();
}

bool HotKeyPoller::isRunning() const {
    return timer_.isActive();
}

void HotKeyPoller::clearLastFired() {
    lastFired_.clear();
}

QString HotKeyPoller::lastFired() const {
    return lastFired_;
}

void HotKeyPoller::tick() {
    if (busy_ || (switches_.windowShown && switches_.windowShown()))
        return;
    const QList<StoredHotKey> entries = table_.entries();
    if (entries.isEmpty()) {
        lastFired_.clear();
        return;
    }
    const platform::KeySnapshot keys = keys_.snapshot(table_.needsMouseButtons());
    const TickDecision decision = decideTick(
        entries, keys, lastFired_, [this](const QString& name) { return table_.data(name); });
    lastFired_ = decision.lastFired;
    if (decision.action != TickDecision::Action::Nothing)
        act(decision);
}

// Message boxes are modal and typing goes on in the event loop; either way the timer keeps
// running, so busy_ keeps those ticks from firing again on top.
void HotKeyPoller::act(const TickDecision& decision) {
    busy_ = true;
    const bool testMode = switches_.testMode && switches_.testMode();
    switch (decision.action) {
    case TickDecision::Action::Conflict:
        actions_.showMessage(conflictMessage(decision.keyName, decision.command, decision.text));
        break;
    case TickDecision::Action::Run:
        if (testMode) {
            actions_.showMessage(runTestMessage(decision.keyName, decision.command));
        } else if (isBeep(decision.command)) {
            actions_.playAlarm();
        } else {
            bool started = false;
            for (const Launch& launch : launchAttempts(decision.command))
                if ((started = actions_.open(launch) == platform::ShellResult::Success))
                    break;
            if (!started)
                actions_.showMessage(cantFindMessage(decision.command));
        }
        break;
    case TickDecision::Action::Send: {
        const QString text = actions_.expand(decision.text);
        if (testMode) {
            actions_.showMessage(sendTestMessage(decision.keyName, text));
            break;
        }
        actions_.type(text, [this] { busy_ = false; });
        return;
    }
    case TickDecision::Action::Nothing:
        break;
    }
    busy_ = false;
}

} // namespace pathwick::hotkeys
