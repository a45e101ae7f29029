#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/CommandLine.h"
#include "app/WarningPicture.h"
#include "common/KeyboardState.h"
#include "common/MessageBoxes.h"
#include "common/MessageWindow.h"
#include "common/ShellServices.h"
#include "common/SoundServices.h"
#include "common/Twips.h"
#include "common/Version.h"
#include "dirlist/DirectoryListDisplay.h"
#include "dirlist/DirectoryListEditor.h"
#include "dirlist/Drives.h"
#include "dirlist/ListFileCommands.h"
#include "dirlist/OpeningRun.h"
#include "settings/ProgramSettings.h"
#include "settings/StoreLocation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace pathwick {

namespace {

constexpr int HotkeyPollMs = 200;
constexpr int FlashTicks = 10;
constexpr int FlashTickMs = 500;
constexpr int FileManagerWaitMs = 300;
constexpr int WarningRightTwips = 320;
constexpr int WarningTopTwips = 120;
constexpr int DesignWidthTwips = 8400;
constexpr int DesignHeightTwips = 6000;
constexpr int TabStopCharacters = 8;
constexpr int ShiftKey = 16;
constexpr int NoticeAutoCloseMs = 5000;
constexpr int NoticeButtonWidth = 1335;
constexpr int CloseAllButtonWidth = 2000;
constexpr int CloseAllDefault = 1;
constexpr int MinimisedWindow = 2;
constexpr auto CrLf = "\r\n";

const QColor FlashBack(255, 0, 0);
const QColor FlashFore(255, 255, 255);
const QColor CloseAllLabels(128, 0, 0);
const QColor CloseAllYes(255, 176, 176);
const QColor CloseAllNo(191, 255, 191);

QTimer* makeTimer(const char* name, int interval, QObject* owner) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), CommandLine(commandLine) {
    setObjectName("frm_MainWindow");
    createControls();
    connectMenu();
    resize(twipsToPixels(DesignWidthTwips, this), twipsToPixels(DesignHeightTwips, this));
    // Placed before the first showing: the windows opened at start (the editor for a folder on
    // the command line, the store notice) are centred over a window whose place is known.
    if (const QScreen* place = screen())
        move(place->availableGeometry().center() - rect().center());
    setMessageWindowOwner(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::closeForSessionEnd);
    Form_Load();
}

MainWindow::~MainWindow() {
    setMessageWindowOwner(nullptr);
}

void MainWindow::createControls() {
    menu_ = buildMainMenu(menuBar());
    menu_DriveDisplayList = menu_.entries.value("menu_DriveDisplayList");

    txt_DisplayInfo = new QPlainTextEdit(this);
    txt_DisplayInfo->setObjectName("txt_DisplayInfo");
    txt_DisplayInfo->setReadOnly(true);
    // A wrapped entry would go on at the left edge like another entry: scroll sideways instead.
    txt_DisplayInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab stops every eight average characters, as the list lines were laid out for.
    txt_DisplayInfo->setTabStopDistance(TabStopCharacters *
                                        txt_DisplayInfo->fontMetrics().averageCharWidth());
    txt_DisplayInfo->installEventFilter(this);
    setCentralWidget(txt_DisplayInfo);

    picShutdownWarning = new WarningPicture(this);
    picShutdownWarning->setObjectName("picShutdownWarning");
    picShutdownWarning->hide();

    tim_HotkeyTimer = makeTimer("tim_HotkeyTimer", HotkeyPollMs, this);
    tim_ComShutdownReadFile = makeTimer("tim_ComShutdownReadFile", 0, this);
    tim_ComputerShutdownTimer = makeTimer("tim_ComputerShutdownTimer", 0, this);
    tim_Timer = makeTimer("tim_Timer", 0, this);
    connect(tim_Timer, &QTimer::timeout, this, &MainWindow::tim_Timer_Timer);
    connect(tim_ComShutdownReadFile, &QTimer::timeout, this,
            &MainWindow::tim_ComShutdownReadFile_Timer);
}

void MainWindow::connectMenu() {
    auto onTrigger = [this](const char* name, void (MainWindow::*handler)()) {
        connect(menu_.entry(name), &QAction::triggered, this, handler);
    };
    onTrigger("menu_Settings", &MainWindow::menu_Settings_Click);
    onTrigger("menu_CloseExplorer", &MainWindow::menu_CloseExplorer_Click);
    onTrigger("menu_OpenDirs", &MainWindow::menu_OpenDirs_Click);
    onTrigger("menu_ImportData", &MainWindow::menu_ImportData_Click);
    onTrigger("menu_ExportData", &MainWindow::menu_ExportData_Click);
    onTrigger("menu_ExitApp", &MainWindow::menu_ExitApp_Click);
    connect(menu_.menu("menu_Menu"), &QMenu::aboutToShow, this, &MainWindow::menu_Menu_Click);
    connect(menu_.menu("menu_Help"), &QMenu::aboutToShow, this, &MainWindow::menu_Help_Click);
    connect(menu_.menu("menu_DislpayDrive"), &QMenu::aboutToShow, this,
            &MainWindow::menu_DislpayDrive_Click);
    connect(menu_DriveDisplayList.first(), &QAction::triggered, this,
            [this] { menu_DriveDisplayList_Click(0); });
}

// ---- Load ------------------------------------------------------------------------------

void MainWindow::Form_Load() {
    setWindowTitle(VersionCaption());

    ShutdownTimeText = texts::NoShutdownTime;
    tim_ComputerShutdownTimer->stop();
    picShutdownWarning->hide();
    menu_.entry("menu_ShutdownAbort")->setEnabled(false);

    checkPendingShutdown();
    SetShutdownMenus(true, false);

    const bool hotKeysRunning = read(catalogue::HotKeysRunning);
    QAction* hotKeysOnOff = menu_.entry("menu_HotKeysOnOff");
    hotKeysOnOff->setChecked(hotKeysRunning);
    hotKeysOnOff->setText(hotKeysRunning ? texts::HotKeysRunning : texts::HotKeysDisabled);
    if (hotKeysRunning)
        tim_HotkeyTimer->start();
    else
        tim_HotkeyTimer->stop();

    testMode_ = read(catalogue::HotKeysTestmode);

    LastHotkeyFired.clear();
    CurrentDrive.clear();

    refillDisplayInfo();
    buildDriveMenu();
    setHiddenMenuVisible(read(catalogue::ShowHiddenMenu));
    StartRebootTimer();
}

void MainWindow::checkPendingShutdown() {}

void MainWindow::SetShutdownMenus(bool, bool) {}

void MainWindow::StartRebootTimer() {}

void MainWindow::refillDisplayInfo() {
    const DirectoryListDisplay display = ShowDirectoryList(CurrentDrive);
    ListedCount = display.count;
    txt_DisplayInfo->setPlainText(display.text);
    updateOpenDirsEntry();
}

bool MainWindow::hiddenMenuVisible() const {
    return menu_.entry("menu_HiddenMenuList")->isVisible();
}

void MainWindow::setHiddenMenuVisible(bool visible) {
    QAction* hidden = menu_.entry("menu_HiddenMenuList");
    hidden->setVisible(visible);
    hidden->setEnabled(visible);
}

// ---- Drive menu --------------------------------------------------------------------------

QAction* MainWindow::addDriveItem() {
    const int index = int(menu_DriveDisplayList.size());
    auto* item = new QAction(QStringLiteral("??.."), menu_.menu("menu_DislpayDrive"));
    item->setObjectName("menu_DriveDisplayList");
    item->setCheckable(true);
    item->setVisible(false);
    item->setEnabled(false);
    menu_.menu("menu_DislpayDrive")->addAction(item);
    connect(item, &QAction::triggered, this, [this, index] { menu_DriveDisplayList_Click(index); });
    menu_DriveDisplayList.append(item);
    menu_.entries["menu_DriveDisplayList"].append(item);
    return item;
}

// Items 1..n are the drives of this moment; the checked item follows CurrentDrive. Items
// left over from a longer list keep their captions but are hidden: only drives that are
// there now can be chosen.
void MainWindow::buildDriveMenu() {
    const QStringList drives = driveTexts();
    int k = 0;
    for (const QString& drive : drives) {
        if (k + 1 >= menu_DriveDisplayList.size())
            addDriveItem();
        ++k;
        QAction* item = menu_DriveDisplayList.at(k);
        item->setText('&' + drive);
        item->setVisible(true);
        item->setEnabled(true);
        item->setChecked(item->text() == '&' + CurrentDrive);
    }
    for (int i = k + 1; i < menu_DriveDisplayList.size(); ++i) {
        menu_DriveDisplayList.at(i)->setVisible(false);
        menu_DriveDisplayList.at(i)->setChecked(false);
    }
    menu_DriveDisplayList.first()->setChecked(CurrentDrive.isEmpty());
}

void MainWindow::menu_DislpayDrive_Click() {
    buildDriveMenu();
}

void MainWindow::menu_DriveDisplayList_Click(int index) {
    if (index < 0 || index >= menu_DriveDisplayList.size())
        return;
    for (int i = 0; i < menu_DriveDisplayList.size(); ++i)
        menu_DriveDisplayList.at(i)->setChecked(i == index);
    showDriveList(index == 0 ? QString() : menu_DriveDisplayList.at(index)->text().mid(1));
}

void MainWindow::showDriveList(const QString& drive) {
    CurrentDrive = drive;
    refillDisplayInfo();
    if (drive.isEmpty())
        setWindowTitle(ProductName + QString(texts::AllDrivesCaption));
    else
        setWindowTitle(ProductName + QString(texts::DriveCaptionStart) + drive +
                       texts::DriveCaptionEnd);
}

QString MainWindow::checkedDrive() const {
    QString drive;
    for (QAction* item : menu_DriveDisplayList) {
        if (item->isChecked())
            drive = item->text().mid(1);
    }
    if (drive == menu_DriveDisplayList.first()->text().mid(1))
        return QString();
    return drive;
}

// ---- "&Menu" -----------------------------------------------------------------------------

void MainWindow::updateOpenDirsEntry() {
    QAction* openDirs = menu_.entry("menu_OpenDirs");
    openDirs->setText(openDirsCaption(ListedCount));
    openDirs->setEnabled(openDirsEnabled(ListedCount));
}

void MainWindow::menu_Menu_Click() {
    updateOpenDirsEntry();
}

void MainWindow::menu_OpenDirs_Click() {
    const OpeningRunResult run = runOpeningRun(checkedDrive());
    setWindowTitle(run.caption);
    txt_DisplayInfo->setPlainText(run.text);
    if (!run.allOpened)
        startStatusFlash();
}

void MainWindow::menu_CloseExplorer_Click() {
    MessageWindow& window = loadedMessageWindow();
    window.setWindowTitle(ProductName + QString(texts::CloseAllCaption));
    setColour(window.lab_MainMessage, QPalette::WindowText, CloseAllLabels);
    setColour(window.lab_MsgTitle, QPalette::WindowText, CloseAllLabels);
    setColour(window.com_Button.at(0), QPalette::Button, CloseAllYes);
    setColour(window.com_Button.at(1), QPalette::Button, CloseAllNo);
    const QString question =
        QString(texts::CloseAllQuestion) + CrLf + CrLf + texts::CloseAllByExplorer;
    if (MessageDisplay(question, texts::CloseAllHeading, texts::CloseAllButtons, CloseAllDefault,
                       CloseAllButtonWidth) != 0)
        return;
    OpenWithShell(texts::FileManagerKill, texts::FileManagerKillParameters, MinimisedWindow);
    ProbeWaiting = true;
    tim_ComShutdownReadFile->setInterval(FileManagerWaitMs);
    tim_ComShutdownReadFile->start();
    while (ProbeWaiting)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    tim_ComShutdownReadFile->stop();
    tim_ComShutdownReadFile->setInterval(0);
    OpenWithShell(texts::FileManagerStart, QString(), MinimisedWindow);
}

void MainWindow::tim_ComShutdownReadFile_Timer() {
    ProbeWaiting = false;
}

// The directory-list editor, modal and owned by this window; it reads the command line
// through GetCommand and says through the DoIt flag whether it saved.
void MainWindow::showEditor() {
    SetDoItFlag(false);
    QPointer<DirectoryListEditor> editor = new DirectoryListEditor(*this, this);
    editor->setWindowIcon(windowIcon());
    editor->exec();
    delete editor.data();
}

void MainWindow::menu_Settings_Click() {
    showEditor();
    if (GetDoItFlag())
        Form_Load();
}

void MainWindow::menu_ExitApp_Click() {
    close();
}

// ---- File menu ---------------------------------------------------------------------------

void MainWindow::menu_ExportData_Click() {
    exportListInteractive(this);
}

void MainWindow::menu_ImportData_Click() {
    if (importListInteractive(this))
        showDriveList(CurrentDrive);
}

// ---- Help menu ---------------------------------------------------------------------------

void MainWindow::menu_Help_Click() {
    menu_.entry("menu_About")->setText(texts::AboutStart + QString(ProductName));
    QAction* helpPath = menu_.entry("menu_HelpInfoPath");
    const bool shift = KeyIsDown(ShiftKey);
    setMenuCaption(helpPath, shift ? texts::HelpPathEntry : texts::SeparatorCaption);
}

// ---- Status flash ------------------------------------------------------------------------

void MainWindow::startStatusFlash() {
    FlashCount = FlashTicks;
    tim_Timer->setInterval(FlashTickMs);
    tim_Timer->start();
}

bool MainWindow::showsNormalColours() const {
    return txt_DisplayInfo->palette().color(QPalette::Base) ==
           QApplication::palette(txt_DisplayInfo).color(QPalette::Base);
}

void MainWindow::setNormalColours() {
    txt_DisplayInfo->setPalette(QPalette());
}

void MainWindow::tim_Timer_Timer() {
    --FlashCount;
    if (showsNormalColours()) {
        setColour(txt_DisplayInfo, QPalette::Base, FlashBack);
        setColour(txt_DisplayInfo, QPalette::Text, FlashFore);
        return;
    }
    setNormalColours();
    if (FlashCount <= 0) {
        setWindowTitle(VersionCaption());
        tim_Timer->stop();
        tim_Timer->setInterval(0);
    }
}

// ---- Activation and the command line -----------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_)
        QMetaObject::invokeMethod(this, &MainWindow::Form_Activate, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &MainWindow::Form_Activate, Qt::QueuedConnection);
}

void MainWindow::Form_Activate() {
    if (!activated_) {
        activated_ = true;
        const QString notice = takeStoreNotice();
        if (!notice.isEmpty())
            showMessage(this, QMessageBox::Warning, texts::StoreNoticeTitle, notice);
        runCommandLineRequest();
        CommandLine.clear();
    }
    SetShutdownMenus(!picShutdownWarning->isVisible(), false);
}

void MainWindow::runCommandLineRequest() {
    const CommandLineRequest request = classifyCommandLine(CommandLine);
    switch (request.kind) {
    case CommandRequest::None:
        break;
    case CommandRequest::Hidden:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case CommandRequest::Delay:
    case CommandRequest::DateTime:
        showMessage(this, QMessageBox::Information, texts::ShutdownRequestTitle,
                    texts::ShutdownRequestUnavailable);
        break;
    case CommandRequest::Editor:
        // Unlike the settings menu this does not run the load again, but a saved list must
        // not leave the information box showing the old one.
        showEditor();
        if (GetDoItFlag())
            refillDisplayInfo();
        break;
    }
}

// ---- Closing -----------------------------------------------------------------------------

void MainWindow::closeForSessionEnd() {
    sessionEnding_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload(sessionEnding_ ? CloseReason::SessionEnd : CloseReason::Command)) {
        event->ignore();
        return;
    }
    unloadOtherWindows();
    event->accept();
}

bool MainWindow::Form_QueryUnload(CloseReason reason) {
    bool cancel = false;
    QAction* hotKeysOnOff = menu_.entry("menu_HotKeysOnOff");
    if (reason == CloseReason::Command) {
        if (tim_ComputerShutdownTimer->isActive()) {
            const QString text = QString(texts::CloseWarningStart) + CrLf + ProductName +
                                 texts::CloseWarningTimer + CrLf + texts::CloseWarningNotOff +
                                 CrLf + ShutdownTimeText + CrLf + CrLf + '\t' +
                                 texts::CloseWarningQuestion;
            const auto answer =
                showMessage(this, QMessageBox::Warning, texts::CloseWarningTitle + ShutdownTimeText,
                            text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            cancel = answer != QMessageBox::Yes;
        }
        if (!cancel && hotKeysOnOff->isChecked()) {
            QTimer* closer = loadedMessageWindow().tim_WindowCloseTimer;
            closer->setInterval(NoticeAutoCloseMs);
            closer->start();
            PlayWAV(AlarmSound, false, true);
            const QString closing = ProductName + QString(texts::ClosingDown);
            MessageDisplay(closing + CrLf + texts::ClosingHotKeys, closing, texts::ClosingButtons,
                           0, NoticeButtonWidth);
        }
    }
    write(catalogue::HotKeysRunning, hotKeysOnOff->isChecked());
    write(catalogue::HotKeysTestmode, testMode_);
    return cancel;
}

void MainWindow::unloadOtherWindows() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            child->close();
    }
}

// ---- Layout ------------------------------------------------------------------------------

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeShutdownWarning();
}

void MainWindow::placeShutdownWarning() {
    const QRect client = txt_DisplayInfo->geometry();
    const int left =
        client.width() - (twipsToPixels(WarningRightTwips, this) + picShutdownWarning->width());
    picShutdownWarning->move(client.left() + left,
                             client.top() + twipsToPixels(WarningTopTwips, this));
    picShutdownWarning->raise();
}

// Menu shortcuts win over the information box's own keys (Ctrl+A is "&All", not select all).
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txt_DisplayInfo && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QList<QAction*>& actions : std::as_const(menu_.entries)) {
            for (QAction* action : actions) {
                if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pathwick
