#pragma once

#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/KeyState.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace pathwick::hotkeys {

// Polls the keyboard five times a second and fires the stored hot keys: one look at the
// keyboard per tick, the table as it stands, the decision made by decideTick. While an
// earlier tick's message box is open or its text is still being typed, ticks do nothing.
class HotKeyPoller : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 200;

    // What the poller asks at each tick: whether the hot key window is open (ticks then do
    // nothing), and whether test mode is on (fired keys only say what they would do).
    struct Switches {
        std::function<bool()> windowShown;
        std::function<bool()> testMode;
    };
    HotKeyPoller(HotKeyTable& table, platform::KeyState& keys, HotKeyActions& actions,
                 Switches switches, QObject* parent = nullptr);

    void setRunning(bool running);
    bool isRunning() const;
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
    Switches switches_;
    QTimer timer_;
    QString lastFired_;
    bool busy_ = false;
};

} // namespace pathwick::hotkeys
