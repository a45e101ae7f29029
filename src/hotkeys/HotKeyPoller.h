#pragma once

#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/KeyState.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace pathwick::hotkeys {

// Polls the keyboard five times a second and fires the stored hot keys: one look at the
// keyboard per tick, the table read afresh, the decision made by decideTick. While an
// earlier tick's message box is open or its text is still being typed, ticks do nothing.
class HotKeyPoller : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 200;

    // windowShown: the hot key window is open, so ticks do nothing.
    HotKeyPoller(HotKeyTable& table, platform::KeyState& keys, HotKeyActions& actions,
                 std::function<bool()> windowShown, QObject* parent = nullptr);

    void setRunning(bool running);
    bool isRunning() const;
    void setTestMode(bool testMode);
    bool testMode() const;
    // Forgets the entry that fired last, as when the program starts.
    void clearLastFired();
    QString lastFired() const;

    // One tick of the timer; public so tests and benchmarks can drive it.
    void tick();

private:
    void act(const TickDecision& decision);

    HotKeyTable& table_;
    platform::KeyState& keys_;
    HotKeyActions& actions_;
    std::function<bool()> windowShown_;
    QTimer timer_;
    QString lastFired_;
    bool testMode_ = false;
    bool busy_ = false;
};

} // namespace pathwick::hotkeys
