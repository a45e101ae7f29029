#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/CommandLine.h"
#include "app/HiddenToolsCommands.h"
#include "app/WarningPicture.h"
#include "common/KeyboardState.h"
#include "common/MainWindowJob.h"
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
#include "help/HelpCommands.h"
#include "hotkeys/HotKeyJob.h"
#include "hotkeys/HotKeyTexts.h"
#include "hotkeys/HotKeyWindowEntries.h"
#include "settings/ProgramSettings.h"
#include "settings/StoreLocation.h"
#include "shutdown/ShutdownController.h"

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

// A drive's menu caption: its first character is the access key, and a "&" of the mount path
// is doubled, so the menu shows it instead of taking it for an access key.
QString driveCaption(const QString& drive) {
    return '&' + QString(drive).replace('&', QStringLiteral("&&"));
}

QString driveOfCaption(const QString& caption) {
    return caption.mid(1).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), commandLine_(commandLine) {
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
    shutdown_ = new ShutdownController(
        {menu_.shutdown, this, txt_DisplayInfo, picShutdownWarning, [this] { refillDisplayInfo(); }},
        {}, this);
    addJob(shutdown_);
    hotkeys::connectHotKeyWindowEntries(
        menu_.hotKeys, this,
        {[this] { shutdown_->StartRebootTimer(); },
         [this](QWidget* owner) { shutdown_->showRebootSchedule(owner); }});
    addJob(new hotkeys::HotKeyJob(*this, menu_.hotKeys, this));
    readSwitches();
    load();
}

MainWindow::~MainWindow() {
    setMessageWindowOwner(nullptr);
}

void MainWindow::addJob(MainWindowJob* job) {
    jobs_.append(job);
}

void MainWindow::createControls() {
    menu_ = buildMainMenu(menuBar());

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

    tim_Timer = new QTimer(this);
    tim_Timer->setObjectName("tim_Timer");
    connect(tim_Timer, &QTimer::timeout, this, &MainWindow::flashTick);
}

void MainWindow::connectMenu() {
    connect(menu_.settings, &QAction::triggered, this, &MainWindow::editDirectoryList);
    connect(menu_.closeExplorer, &QAction::triggered, this, &MainWindow::closeAllDirectories);
    connect(menu_.openDirs, &QAction::triggered, this, &MainWindow::openDirectories);
    connect(menu_.importData, &QAction::triggered, this, &MainWindow::importList);
    connect(menu_.exportData, &QAction::triggered, this, &MainWindow::exportList);
    connect(menu_.exitApp, &QAction::triggered, this, &MainWindow::close);
    connect(menu_.menu, &QMenu::aboutToShow, this, &MainWindow::updateOpenDirsEntry);
    connect(menu_.help.menu, &QMenu::aboutToShow, this, &MainWindow::prepareHelpMenu);
    connect(menu_.help.helpFile, &QAction::triggered, this,
            [this] { HelpInfo(this, ProgramFolder()); });
    connect(menu_.help.helpPath, &QAction::triggered, this, [this] { showHelpPathWindow(this); });
    connect(menu_.help.about, &QAction::triggered, this, [this] { showAboutWindow(this); });
    connect(menu_.loadLampwatch, &QAction::triggered, this,
            [] { menu_LoadLampwatch_Click(ProgramFolder()); });
    connect(menu_.taskManager, &QAction::triggered, this,
            [this] { menuHidden_TaskManager_Click(this); });
    connect(menu_.toDoList, &QAction::triggered, this, [this] { menuHidden_ToDoList_Click(this); });
    connect(menu_.testCode, &QAction::triggered, this, [this] { menuHidden_X_Click(this); });
    connect(menu_.displayDrive, &QMenu::aboutToShow, this, &MainWindow::buildDriveMenu);
    connect(menu_.driveDisplayList.first(), &QAction::triggered, this, [this] { chooseDrive(0); });
}

// ---- Load ------------------------------------------------------------------------------

// Runs at start-up and again after the editor saved the list.
void MainWindow::load() {
    setWindowTitle(VersionCaption());
    for (MainWindowJob* job : std::as_const(jobs_))
        job->loadStarting();
    currentDrive_.clear();
    refillDisplayInfo();
    buildDriveMenu();
    setHiddenMenuVisible(read(catalogue::ShowHiddenMenu));
    for (MainWindowJob* job : std::as_const(jobs_))
        job->loadFinished();
}

// Once, at start: the store has the switches from the last close, and a load run again (the
// list editor saved) must not undo one made since.
void MainWindow::readSwitches() {
    const bool hotKeysRunning = read(catalogue::HotKeysRunning);
    menu_.hotKeys.onOff->setChecked(hotKeysRunning);
    menu_.hotKeys.onOff->setText(hotKeysRunning ? hotkeys::texts::SwitchRunning
                                                : hotkeys::texts::SwitchDisabled);
    testMode_ = read(catalogue::HotKeysTestmode);
}

void MainWindow::refillDisplayInfo() {
    const DirectoryListDisplay display = ShowDirectoryList(currentDrive_);
    listedCount_ = display.count;
    txt_DisplayInfo->setPlainText(display.text);
    updateOpenDirsEntry();
}

bool MainWindow::hiddenMenuVisible() const {
    return menu_.hiddenMenuList->menuAction()->isVisible();
}

void MainWindow::setHiddenMenuVisible(bool visible) {
    QAction* hidden = menu_.hiddenMenuList->menuAction();
    hidden->setVisible(visible);
    hidden->setEnabled(visible);
}

// ---- Drive menu --------------------------------------------------------------------------

void MainWindow::addDriveItem() {
    const int index = int(menu_.driveDisplayList.size());
    auto* item = new QAction(QStringLiteral("??.."), menu_.displayDrive);
    item->setObjectName("menu_DriveDisplayList");
    item->setCheckable(true);
    item->setVisible(false);
    item->setEnabled(false);
    menu_.displayDrive->addAction(item);
    connect(item, &QAction::triggered, this, [this, index] { chooseDrive(index); });
    menu_.driveDisplayList.append(item);
}

// Items 1..n are the drives of this moment; the checked item follows the shown drive. Items
// left over from a longer list keep their captions but are hidden: only drives that are
// there now can be chosen.
void MainWindow::buildDriveMenu() {
    QList<QAction*>& items = menu_.driveDisplayList;
    const QStringList drives = driveTexts();
    int k = 0;
    for (const QString& drive : drives) {
        if (k + 1 >= items.size())
            addDriveItem();
        ++k;
        QAction* item = items.at(k);
        item->setText(driveCaption(drive));
        item->setVisible(true);
        item->setEnabled(true);
        item->setChecked(drive == currentDrive_);
    }
    for (int i = k + 1; i < items.size(); ++i) {
        items.at(i)->setVisible(false);
        items.at(i)->setChecked(false);
    }
    items.first()->setChecked(currentDrive_.isEmpty());
}

void MainWindow::chooseDrive(int index) {
    const QList<QAction*>& items = menu_.driveDisplayList;
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setChecked(i == index);
    showDriveList(index == 0 ? QString() : driveOfCaption(items.at(index)->text()));
}

void MainWindow::showDriveList(const QString& drive) {
    currentDrive_ = drive;
    refillDisplayInfo();
    if (drive.isEmpty())
        setWindowTitle(ProductName + QString(texts::AllDrivesCaption));
    else
        setWindowTitle(ProductName + QString(texts::DriveCaptionStart) + drive +
                       texts::DriveCaptionEnd);
}

QString MainWindow::checkedDrive() const {
    const QList<QAction*>& items = menu_.driveDisplayList;
    QString drive;
    for (QAction* item : items) {
        if (item->isChecked())
            drive = driveOfCaption(item->text());
    }
    if (drive == driveOfCaption(items.first()->text()))
        return QString();
    return drive;
}

// ---- "&Menu" -----------------------------------------------------------------------------

void MainWindow::updateOpenDirsEntry() {
    menu_.openDirs->setText(openDirsCaption(listedCount_));
    menu_.openDirs->setEnabled(openDirsEnabled(listedCount_));
}

void MainWindow::openDirectories() {
    const OpeningRunResult run = runOpeningRun(checkedDrive());
    setWindowTitle(run.caption);
    txt_DisplayInfo->setPlainText(run.text);
    if (!run.allOpened)
        startStatusFlash();
}

// Ends the file manager and starts it again once it has had its time to go; the wait is a
// timer, so nothing else (a hot key tick) runs in the middle of this command.
void MainWindow::closeAllDirectories() {
    MessageWindow& window = loadedMessageWindow();
    window.setWindowTitle(ProductName + QString(texts::CloseAllCaption));
    window.setColours(CloseAllLabels, CloseAllYes, CloseAllNo);
    const QString question =
        QString(texts::CloseAllQuestion) + CrLf + CrLf + texts::CloseAllByExplorer;
    if (MessageDisplay(question, texts::CloseAllHeading, texts::CloseAllButtons, CloseAllDefault,
                       CloseAllButtonWidth) != 0)
        return;
    OpenWithShell(texts::FileManagerKill, texts::FileManagerKillParameters, MinimisedWindow);
    QTimer::singleShot(FileManagerWaitMs, this,
                       [] { OpenWithShell(texts::FileManagerStart, QString(), MinimisedWindow); });
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

void MainWindow::editDirectoryList() {
    showEditor();
    if (doIt_)
        load();
}

// ---- File menu ---------------------------------------------------------------------------

void MainWindow::exportList() {
    exportListInteractive(this);
}

void MainWindow::importList() {
    if (importListInteractive(this))
        showDriveList(currentDrive_);
}

// ---- Help menu ---------------------------------------------------------------------------

void MainWindow::prepareHelpMenu() {
    menu_.help.about->setText(texts::AboutStart + QString(ProductName));
    const bool shift = KeyIsDown(ShiftKey);
    setMenuCaption(menu_.help.helpPath, shift ? texts::HelpPathEntry : texts::SeparatorCaption);
}

// ---- Status flash ------------------------------------------------------------------------

void MainWindow::startStatusFlash() {
    flashCount_ = FlashTicks;
    tim_Timer->setInterval(FlashTickMs);
    tim_Timer->start();
}

void MainWindow::flashTick() {
    --flashCount_;
    const bool normal = txt_DisplayInfo->palette().color(QPalette::Base) ==
                        QApplication::palette(txt_DisplayInfo).color(QPalette::Base);
    if (normal) {
        setColour(txt_DisplayInfo, QPalette::Base, FlashBack);
        setColour(txt_DisplayInfo, QPalette::Text, FlashFore);
        return;
    }
    txt_DisplayInfo->setPalette(QPalette());
    if (flashCount_ <= 0) {
        setWindowTitle(VersionCaption());
        tim_Timer->stop();
    }
}

// ---- Activation and the command line -----------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!activated_)
        QMetaObject::invokeMethod(this, &MainWindow::activate, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &MainWindow::activate, Qt::QueuedConnection);
}

// The command-line request runs on the first activation only.
void MainWindow::activate() {
    if (!activated_) {
        activated_ = true;
        const QString notice = takeStoreNotice();
        if (!notice.isEmpty())
            showMessage(this, QMessageBox::Warning, texts::StoreNoticeTitle, notice);
        runCommandLineRequest();
        commandLine_.clear();
    }
    for (MainWindowJob* job : std::as_const(jobs_))
        job->activated();
}

void MainWindow::runCommandLineRequest() {
    const CommandLineRequest request = classifyCommandLine(commandLine_);
    switch (request.kind) {
    case CommandRequest::None:
        break;
    case CommandRequest::Hidden:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case CommandRequest::Delay:
    case CommandRequest::DateTime:
        shutdown_->runRequest(request.cmd, commandLine_);
        break;
    case CommandRequest::Editor:
        // Unlike the settings menu this does not run the load again, but a saved list must
        // not leave the information box showing the old one.
        showEditor();
        if (doIt_)
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
    const bool closes = sessionEnding_ || queryClose();
    writeSwitches();
    if (!closes) {
        event->ignore();
        return;
    }
    unloadOtherWindows();
    event->accept();
}

// A close by the user or by program code: a job may refuse it; then, with hot keys on, a
// notice that closes itself says they stop.
bool MainWindow::queryClose() {
    for (MainWindowJob* job : std::as_const(jobs_)) {
        if (!job->mayClose(this))
            return false;
    }
    if (menu_.hotKeys.onOff->isChecked()) {
        QTimer* closer = loadedMessageWindow().tim_WindowCloseTimer;
        closer->setInterval(NoticeAutoCloseMs);
        closer->start();
        PlayWAV(AlarmSound, false, true);
        const QString closing = ProductName + QString(texts::ClosingDown);
        MessageDisplay(closing + CrLf + texts::ClosingHotKeys, closing, texts::ClosingButtons, 0,
                       NoticeButtonWidth);
    }
    return true;
}

// Written on every close, also a refused one and the end of the session.
void MainWindow::writeSwitches() {
    write(catalogue::HotKeysRunning, menu_.hotKeys.onOff->isChecked());
    write(catalogue::HotKeysTestmode, testMode_);
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
        for (QAction* action : std::as_const(menu_.all)) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pathwick
