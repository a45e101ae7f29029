#pragma once

#include "hotkeys/HotKeyName.h"

#include <QDialog>
#include <QList>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace pathwick::hotkeys {

class HotKeyFrame;
class RedDot;

// What the hot key window asks of the main window.
struct HotKeyWindowHooks {
    // Restart the re-boot schedule; asked when the window closes, as its settings may change.
    std::function<void()> startRebootTimer;
    // Show the re-boot schedule window modally, owned by the given window.
    std::function<void(QWidget* owner)> showRebootSchedule;
};

// The hot key settings window: one hot key at a time (key number, Shift/Ctrl/Alt, a command
// or a text to send), read from and written to the stored table directly, and the
// run-at-login settings. Nothing typed is stored before "Updat&e/Create hot key"; the
// run-at-login settings and the selected type are stored when the window closes.
class HotKeyWindow : public QDialog {
    Q_OBJECT
public:
    HotKeyWindow(HotKeyWindowHooks hooks, QWidget* owner);
    ~HotKeyWindow() override;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildRunAtLoginControls();
    void Form_Load();
    void Form_Unload();

    HotKeyType currentType() const;
    QString currentName() const;
    QString shownBoxText() const;
    void loadShownBox();
    void updateControls();

    void txt_KeyNumber_Change();
    void com_NumberUpDown_Click(int index);
    void opt_HotkeyType_Click(int index);
    void com_EditHotkey_Click();
    void com_DeleteHotkey_Click();
    void com_TestCommand_Click();
    void tim_CheckKeysRedDot_Timer();
    void dropOnBox(int index, const QStringList& paths);

    void chk_RunAppAtBootup_Click();
    void lab_RunOptions_Click();
    void menu_StartPrograms_Open();
    void menuStartupInReg_Click();

    HotKeyWindowHooks hooks_;
    bool unloaded_ = false;

    QMenuBar* menuBar_ = nullptr;
    HotKeyFrame* fra_HotkeyFrame = nullptr;
    QLineEdit* txt_KeyNumber = nullptr;
    QList<QToolButton*> com_NumberUpDown;
    QLabel* lab_CodeInfo = nullptr;
    QCheckBox* chk_ShiftKey = nullptr;
    QCheckBox* chk_CtrlKey = nullptr;
    QCheckBox* chk_AltKey = nullptr;
    QList<QRadioButton*> opt_HotkeyType;
    QLabel* lab_RunLoadCommand = nullptr;
    QLineEdit* commandBox_ = nullptr;
    QPlainTextEdit* sendBox_ = nullptr;
    QPushButton* com_EditHotkey = nullptr;
    QPushButton* com_DeleteHotkey = nullptr;
    QPushButton* com_TestCommand = nullptr;
    RedDot* Shape1 = nullptr;
    QTimer* tim_CheckKeysRedDot = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* tim_WateTimerDelay = nullptr;

    QCheckBox* chk_RunAppAtBootup = nullptr;
    QLabel* lab_RunOptions = nullptr;
    QMenu* menu_BootOptions = nullptr;
    QAction* menu_RunHidden = nullptr;
    QAction* menu_RunAtSettings = nullptr;
    QMenu* menu_StartPrograms = nullptr;
    QAction* menu_StartMenuWelcomeUser = nullptr;
    QAction* menu_StartMenuWelcomeAll = nullptr;
    QAction* menu_StartupApps = nullptr;
    QAction* menuStartupInReg = nullptr;
};

} // namespace pathwick::hotkeys
