#pragma once

#include <QString>

class QWidget;

namespace pathwick {

// What the other windows may ask of the main window, so that no subsystem includes app/.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    virtual QWidget* hostWidget() = 0;
    virtual QString GetCommand() const = 0;
    virtual void SetDoItFlag(bool newValue = false) = 0;
    virtual bool GetDoItFlag() const = 0;
    virtual void TestMode_valueSet(bool newValue) = 0;
    virtual bool TestModeValue_valueGet() const = 0;
    // The ".&?." menu of the main window.
    virtual bool hiddenMenuVisible() const = 0;
    virtual void setHiddenMenuVisible(bool visible) = 0;
    // ListedCount := ShowDirectoryList(txt_DisplayInfo, CurrentDrive).
    virtual void refillDisplayInfo() = 0;
};

} // namespace pathwick
