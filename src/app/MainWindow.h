#pragma once

#include "app/MainMenu.h"
#include "common/MainWindowHost.h"

#include <QMainWindow>

class QPlainTextEdit;
class QTimer;

namespace pathwick {

// The program's main window: menu tree, information box, the four timers, start-up load,
// close rules and what the other windows may ask of it.
class MainWindow : public QMainWindow, public MainWindowHost {
    Q_OBJECT
public:
    explicit MainWindow(const QString& commandLine, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What the other windows may ask.
    QWidget* hostWidget() override { return this; }
    QString GetCommand() const override { return CommandLine; }
    void SetDoItFlag(bool newValue = false) override { doIt_ = newValue; }
    bool GetDoItFlag() const override { return doIt_; }
    void TestMode_valueSet(bool newValue) override { testMode_ = newValue; }
    bool TestModeValue_valueGet() const override { return testMode_; }
    bool hiddenMenuVisible() const override;
    void setHiddenMenuVisible(bool visible) override;
    void refillDisplayInfo() override;

    QString currentDrive() const { return CurrentDrive; }
    int listedCount() const { return ListedCount; }
    int flashCount() const { return FlashCount; }
    QString shutdownTimeText() const { return ShutdownTimeText; }

    // The load sequence; runs at start-up and again after the editor saved changes.
    void Form_Load();
    // The command-line request on the first activation; the shutdown menus every time.
    void Form_Activate();
    // The red flash of the information box after a failed opening run.
    void startStatusFlash();
    // Closes without questions or notices, as when the desktop session ends.
    void closeForSessionEnd();

    void menu_Menu_Click();
    void menu_Help_Click();
    void menu_Settings_Click();
    void menu_ExitApp_Click();
    void menu_DislpayDrive_Click();
    void menu_DriveDisplayList_Click(int index);
    void menu_OpenDirs_Click();
    void menu_CloseExplorer_Click();
    void menu_ExportData_Click();
    void menu_ImportData_Click();
    void tim_Timer_Timer();
    void tim_ComShutdownReadFile_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class CloseReason { Command, SessionEnd };

    void createControls();
    void connectMenu();
    // Returns true when the close is cancelled.
    bool Form_QueryUnload(CloseReason reason);
    void unloadOtherWindows();
    void runCommandLineRequest();
    void showEditor();
    void showDriveList(const QString& drive);
    void buildDriveMenu();
    QAction* addDriveItem();
    QString checkedDrive() const;
    void updateOpenDirsEntry();
    void placeShutdownWarning();
    void setNormalColours();
    bool showsNormalColours() const;
    // The shutdown work asks the system for a pending shutdown here.
    void checkPendingShutdown();
    // The shutdown work enables its menu entries here.
    void SetShutdownMenus(bool enabled, bool keep);
    // The re-boot schedule starts here.
    void StartRebootTimer();

    MainMenu menu_;
    QPlainTextEdit* txt_DisplayInfo = nullptr;
    QWidget* picShutdownWarning = nullptr;
    QTimer* tim_HotkeyTimer = nullptr;
    QTimer* tim_ComShutdownReadFile = nullptr;
    QTimer* tim_ComputerShutdownTimer = nullptr;
    QTimer* tim_Timer = nullptr;
    QList<QAction*> menu_DriveDisplayList;

    QString CommandLine;
    QString CurrentDrive;
    int ListedCount = 0;
    int FlashCount = 0;
    QString ShutdownTimeText;
    QString LastHotkeyFired;
    bool ProbeWaiting = false;
    bool doIt_ = false;
    bool testMode_ = false;
    bool activated_ = false;
    bool sessionEnding_ = false;
};

} // namespace pathwick
