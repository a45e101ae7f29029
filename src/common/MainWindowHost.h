#pragma once

#include <QString>

namespace pathwick {

// What the other windows ask of the main window, so that no subsystem includes app/. A job
// engine gets a host interface of its own instead (see MainWindowJob).
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // The command line the program was started with, until its request has run.
    virtual QString GetCommand() const = 0;
    // The editor says through the DoIt flag that it saved the list.
    virtual void SetDoItFlag(bool newValue = false) = 0;
    // The hot key test mode.
    virtual void TestMode_valueSet(bool newValue) = 0;
    virtual bool TestModeValue_valueGet() const = 0;
    // The ".&?." menu of the main window.
    virtual bool hiddenMenuVisible() const = 0;
    virtual void setHiddenMenuVisible(bool visible) = 0;
};

} // namespace pathwick
