#pragma once

#include "hotkeys/HotKeyTick.h"

#include <QString>

#include <functional>

namespace pathwick::hotkeys {

// What a fired hot key does to the world; the desktop's own by default, recorded in tests.
class HotKeyActions {
public:
    virtual ~HotKeyActions() = default;
    // Shows a modal message and returns when it is closed.
    virtual void showMessage(const TickMessage& message) = 0;
    // Opens a program, folder, file or URL; 42 when it started.
    virtual int open(const Launch& launch) = 0;
    virtual void playAlarm() = 0;
    // Types a text into the focused window; done runs from the event loop once it is sent.
    virtual void type(const QString& text, std::function<void()> done) = 0;
    // Token expansion at the moment of firing.
    virtual QString expand(const QString& text) = 0;
};

// The desktop: message boxes over the main window, the shell, the alarm sound, the
// keystroke sender and the system's token values.
class DesktopHotKeyActions : public HotKeyActions {
public:
    void showMessage(const TickMessage& message) override;
    int open(const Launch& launch) override;
    void playAlarm() override;
    void type(const QString& text, std::function<void()> done) override;
    QString expand(const QString& text) override;
};

} // namespace pathwick::hotkeys
