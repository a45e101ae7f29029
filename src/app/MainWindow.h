#pragma once

#include "app/MainMenu.h"
#include "common/MainWindowHost.h"

#include <QList>
#include <QMainWindow>

class QPlainTextEdit;
class QTimer;

namespace pathwick {

class MainWindowJob;
class ShutdownController;

// The program's main window: the menu tree, the information box with the directory list and
// its status flash, the load sequence, the close rules and what the other windows may ask.
// The shutdown and hot key jobs plug in as MainWindowJob engines that receive their menu
// entries (menu().shutdown, menu().hotKeys) and are called from the load, activation and
// close sequences.
class MainWindow : public QMainWindow, public MainWindowHost {
    Q_OBJECT
public:
    explicit MainWindow(const QString& commandLine, QWidget* parent = nullptr);
    ~MainWindow() override;

    QString GetCommand() const override { return commandLine_; }
    void SetDoItFlag(bool newValue = false) override { doIt_ = newValue; }
    void TestMode_valueSet(bool newValue) override { testMode_ = newValue; }
    bool TestModeValue_valueGet() const override { return testMode_; }
    bool hiddenMenuVisible() const override;
    void setHiddenMenuVisible(bool visible) override;

    const MainMenu& menu() const { return menu_; }
    // Adds a job; the window owns its engine (a QObject child) and calls it from now on.
    void addJob(MainWindowJob* job);
    // Closes without questions or notices, as when the desktop session ends.
    void closeForSessionEnd();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void load();
    void activate();
    void editDirectoryList();
    void openDirectories();
    void closeAllDirectories();
    void exportList();
    void importList();
    void chooseDrive(int index);
    void buildDriveMenu();
    void updateOpenDirsEntry();
    void prepareHelpMenu();
    void flashTick();

private:
    void createControls();
    void connectMenu();
    // False when the close is refused.
    bool queryClose();
    void readSwitches();
    void writeSwitches();
    void unloadOtherWindows();
    void runCommandLineRequest();
    void showEditor();
    void refillDisplayInfo();
    void showDriveList(const QString& drive);
    void addDriveItem();
    QString checkedDrive() const;
    void startStatusFlash();
    void placeShutdownWarning();

    MainMenu menu_;
    QList<MainWindowJob*> jobs_;
    ShutdownController* shutdown_ = nullptr;
    QPlainTextEdit* txt_DisplayInfo = nullptr;
    QWidget* picShutdownWarning = nullptr;
    QTimer* tim_Timer = nullptr; // the status flash

    QString commandLine_;
    QString currentDrive_;
    int listedCount_ = 0;
    int flashCount_ = 0;
    bool doIt_ = false;
    bool testMode_ = false;
    bool activated_ = false;
    bool sessionEnding_ = false;
};

} // namespace pathwick
