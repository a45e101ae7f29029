#include "hotkeys/HotKeyWindow.h"

#include "common/MessageBoxes.h"
#include "common/ShellServices.h"
#include "common/SoundServices.h"
#include "common/StringServices.h"
#include "common/WindowControls.h"
#include "hotkeys/HotKeyDrop.h"
#include "hotkeys/HotKeyMessages.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeyTick.h"
#include "hotkeys/HotKeyWindowShown.h"
#include "hotkeys/HotKeyWindowTexts.h"
#include "hotkeys/KeyNames.h"
#include "hotkeys/HotKeyWindowRules.h"
#include "hotkeys/RebootSummary.h"
#include "hotkeys/RunAtLogin.h"
#include "hotkeys/SendTest.h"
#include "hotkeys/StartupPlaces.h"
#include "hotkeys/TextTokens.h"
#include "hotkeys/WaylandSession.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/ShellLauncher.h"
#include "settings/Catalogue.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;

constexpr int RedDotInterval = 200;
constexpr int ReenableInterval = 100;
constexpr int WaitInterval = 150;
constexpr int CommandIndex = 0;
constexpr int SendIndex = 1;
constexpr int Up = 0;
constexpr int Down = 1;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(text(name));
    return box;
}

QTimer* makeTimer(QObject* parent, const char* name, int interval, bool singleShot) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(text(name));
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

} // namespace

// The red dot: a filled red circle while the hot key's combination is held, else an outline.
class RedDot : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool filled READ filled)
public:
    explicit RedDot(QWidget* parent) : QWidget(parent) { setFixedSize(16, 16); }
    bool filled() const { return filled_; }
    void setFilled(bool filled) {
        if (filled == filled_)
            return;
        filled_ = filled;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(128, 0, 0));
        painter.setBrush(filled_ ? QBrush(Qt::red) : QBrush(Qt::NoBrush));
        painter.drawEllipse(rect().adjusted(1, 1, -2, -2));
    }

private:
    bool filled_ = false;
};

// The hot key frame: its caption turns red while the hot key's combination is held. Only the
// caption's colour changes, so the controls inside keep theirs and nothing moves.
class HotKeyFrame : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QColor titleColour READ titleColour)
public:
    HotKeyFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}
    QColor titleColour() const { return titleColour_; }
    // An invalid colour gives back the style's own.
    void setTitleColour(const QColor& colour) {
        if (colour == titleColour_)
            return;
        titleColour_ = colour;
        update();
    }

protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override {
        QGroupBox::initStyleOption(option);
        // Styles take the caption's colour from one or the other.
        if (titleColour_.isValid()) {
            option->textColor = titleColour_;
            option->palette.setColor(QPalette::WindowText, titleColour_);
        }
    }

private:
    QColor titleColour_;
};

HotKeyWindow::HotKeyWindow(HotKeyWindowHooks hooks, QWidget* owner)
    : QDialog(owner), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frm_HotkeySettings"));
    setWindowTitle(text(Caption));
    if (owner != nullptr)
        setWindowIcon(owner->windowIcon());
    buildControls();
    buildRunAtLoginControls();
    Form_Load();
}

HotKeyWindow::~HotKeyWindow() {
    setHotKeyWindowShown(false);
}

void HotKeyWindow::buildControls() {
    fra_HotkeyFrame = new HotKeyFrame(text(FrameCaption), this);
    fra_HotkeyFrame->setObjectName(QStringLiteral("fra_HotkeyFrame"));

    auto* lab_KeyCode = makeLabel(fra_HotkeyFrame, "lab_KeyCode", text(KeyCode));
    txt_KeyNumber = new QLineEdit(fra_HotkeyFrame);
    txt_KeyNumber->setObjectName(QStringLiteral("txt_KeyNumber"));
    // Pasted text is held to digits as well as typed text.
    txt_KeyNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    // Fixed, so a long description beside it never squeezes the number out of sight.
    txt_KeyNumber->setFixedWidth(txt_KeyNumber->fontMetrics().horizontalAdvance(u'0') * 8);
    lab_KeyCode->setBuddy(txt_KeyNumber);
    for (Qt::ArrowType arrow : {Qt::UpArrow, Qt::DownArrow}) {
        auto* button = new QToolButton(fra_HotkeyFrame);
        button->setObjectName(QStringLiteral("com_NumberUpDown"));
        button->setProperty("index", int(com_NumberUpDown.size()));
        button->setArrowType(arrow);
        com_NumberUpDown.append(button);
    }
    lab_CodeInfo = makeLabel(fra_HotkeyFrame, "lab_CodeInfo", text(NoKeyYet));

    chk_ShiftKey = makeCheckBox(fra_HotkeyFrame, "chk_ShiftKey", text(ShiftKey));
    chk_CtrlKey = makeCheckBox(fra_HotkeyFrame, "chk_CtrlKey", text(CtrlKey));
    chk_AltKey = makeCheckBox(fra_HotkeyFrame, "chk_AltKey", text(AltKey));
    Shape1 = new RedDot(fra_HotkeyFrame);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    auto* lab_RedDotText = makeLabel(fra_HotkeyFrame, "lab_RedDotText", text(RedDotText));

    for (const char* caption : {CommandType, SendType}) {
        auto* option = new QRadioButton(text(caption), fra_HotkeyFrame);
        option->setObjectName(QStringLiteral("opt_HotkeyType"));
        option->setProperty("index", int(opt_HotkeyType.size()));
        opt_HotkeyType.append(option);
    }
    lab_RunLoadCommand = makeLabel(fra_HotkeyFrame, "lab_RunLoadCommand", text(RunLoadCommand));
    commandBox_ = new QLineEdit(fra_HotkeyFrame);
    commandBox_->setObjectName(QStringLiteral("txt_RunLoadCommand"));
    commandBox_->setProperty("index", CommandIndex);
    sendBox_ = new QPlainTextEdit(fra_HotkeyFrame);
    sendBox_->setObjectName(QStringLiteral("txt_RunLoadCommand"));
    sendBox_->setProperty("index", SendIndex);
    sendBox_->setTabChangesFocus(false);

    com_EditHotkey = makeButton(fra_HotkeyFrame, "com_EditHotkey", EditHotkey);
    com_DeleteHotkey = makeButton(fra_HotkeyFrame, "com_DeleteHotkey", DeleteHotkey);
    com_TestCommand = makeButton(fra_HotkeyFrame, "com_TestCommand", TestCommand);

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(lab_KeyCode);
    keyRow->addWidget(txt_KeyNumber);
    for (QToolButton* button : com_NumberUpDown)
        keyRow->addWidget(button);
    keyRow->addWidget(lab_CodeInfo, 1);
    auto* modifierRow = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(chk_ShiftKey), static_cast<QWidget*>(chk_CtrlKey),
                            static_cast<QWidget*>(chk_AltKey)})
        modifierRow->addWidget(widget);
    modifierRow->addStretch(1);
    modifierRow->addWidget(Shape1);
    modifierRow->addWidget(lab_RedDotText);
    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* button : {com_EditHotkey, com_DeleteHotkey, com_TestCommand})
        buttonRow->addWidget(button);

    auto* frameLayout = new QVBoxLayout(fra_HotkeyFrame);
    frameLayout->addLayout(keyRow);
    frameLayout->addLayout(modifierRow);
    for (QRadioButton* option : opt_HotkeyType)
        frameLayout->addWidget(option);
    frameLayout->addWidget(lab_RunLoadCommand);
    frameLayout->addWidget(commandBox_);
    frameLayout->addWidget(sendBox_, 1);
    frameLayout->addLayout(buttonRow);

    menuBar_ = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(fra_HotkeyFrame);
    if (isWaylandSession()) {
        QLabel* notice = makeLabel(this, "lab_WaylandNotice", waylandNotice());
        notice->setWordWrap(true);
        layout->addWidget(notice);
    }

    tim_CheckKeysRedDot = makeTimer(this, "tim_CheckKeysRedDot", RedDotInterval, false);
    Timer1 = makeTimer(this, "Timer1", ReenableInterval, true);
    tim_WateTimerDelay = makeTimer(this, "tim_WateTimerDelay", WaitInterval, true);

    txt_KeyNumber->installEventFilter(this);
    commandBox_->installEventFilter(this);
    sendBox_->viewport()->installEventFilter(this);
    commandBox_->setAcceptDrops(true);
    sendBox_->viewport()->setAcceptDrops(true);

    connect(txt_KeyNumber, &QLineEdit::textChanged, this, &HotKeyWindow::txt_KeyNumber_Change);
    for (int index : {Up, Down})
        connect(com_NumberUpDown.at(index), &QToolButton::clicked, this,
                [this, index] { com_NumberUpDown_Click(index); });
    for (QCheckBox* box : {chk_ShiftKey, chk_CtrlKey, chk_AltKey})
        connect(box, &QCheckBox::clicked, this, [this] {
            loadShownBox();
            updateControls();
        });
    for (int index : {CommandIndex, SendIndex})
        connect(opt_HotkeyType.at(index), &QRadioButton::clicked, this,
                [this, index] { opt_HotkeyType_Click(index); });
    connect(commandBox_, &QLineEdit::textChanged, this, &HotKeyWindow::updateControls);
    connect(sendBox_, &QPlainTextEdit::textChanged, this, &HotKeyWindow::updateControls);
    connect(com_EditHotkey, &QPushButton::clicked, this, &HotKeyWindow::com_EditHotkey_Click);
    connect(com_DeleteHotkey, &QPushButton::clicked, this, &HotKeyWindow::com_DeleteHotkey_Click);
    connect(com_TestCommand, &QPushButton::clicked, this, &HotKeyWindow::com_TestCommand_Click);
    connect(tim_CheckKeysRedDot, &QTimer::timeout, this, &HotKeyWindow::tim_CheckKeysRedDot_Timer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        txt_KeyNumber->setEnabled(true);
        txt_KeyNumber->setFocus();
    });
}

void HotKeyWindow::buildRunAtLoginControls() {
    chk_RunAppAtBootup = makeCheckBox(fra_HotkeyFrame, "chk_RunAppAtBootup",
                                      text(RunAppStart) + QLatin1String(ProductName) + RunAppEnd);
    chk_RunAppAtBootup->setToolTip(text(RunAppTip));
    lab_RunOptions = makeLabel(fra_HotkeyFrame, "lab_RunOptions", text(RunOptions));
    lab_RunOptions->setToolTip(text(RunOptionsTip));
    lab_RunOptions->setCursor(Qt::PointingHandCursor);
    lab_RunOptions->installEventFilter(this);
    auto* row = new QHBoxLayout;
    row->addWidget(chk_RunAppAtBootup);
    row->addStretch(1);
    row->addWidget(lab_RunOptions);
    qobject_cast<QVBoxLayout*>(fra_HotkeyFrame->layout())->addLayout(row);

    menu_BootOptions = new QMenu(text(BootOptions), this);
    menu_BootOptions->setObjectName(QStringLiteral("menu_BootOptions"));
    menu_RunHidden = makeAction(menu_BootOptions, "menu_RunHidden", text(RunHidden));
    menu_RunHidden->setCheckable(true);
    menu_RunAtSettings = makeAction(menu_BootOptions, "menu_RunAtSettings", text(RebootOnce));

    menu_StartPrograms = menuBar_->addMenu(text(StartPrograms));
    menu_StartPrograms->setObjectName(QStringLiteral("menu_StartPrograms"));
    menu_StartMenuWelcomeUser =
        makeAction(menu_StartPrograms, "menu_StartMenuWelcomeUser", text(WelcomeUser));
    menu_StartMenuWelcomeAll =
        makeAction(menu_StartPrograms, "menu_StartMenuWelcomeAll", text(WelcomeAll));
    menu_StartupApps = makeAction(menu_StartPrograms, "menu_StartupApps", text(StartupApps));
    menuStartupInReg = makeAction(menu_StartPrograms, "menuStartupInReg", text(StartupInReg));

    connect(chk_RunAppAtBootup, &QCheckBox::clicked, this,
            &HotKeyWindow::chk_RunAppAtBootup_Click);
    connect(menu_RunAtSettings, &QAction::triggered, this, [this] {
        if (hooks_.showRebootSchedule)
            hooks_.showRebootSchedule(this);
    });
    connect(menu_StartPrograms, &QMenu::aboutToShow, this, &HotKeyWindow::menu_StartPrograms_Open);
    connect(menu_StartMenuWelcomeUser, &QAction::triggered, this, [] {
        QDir().mkpath(userAutostartFolder());
        OpenWithShell(userAutostartFolder(), QString(), int(platform::ShowMode::Normal));
    });
    connect(menu_StartMenuWelcomeAll, &QAction::triggered, this, [] {
        OpenWithShell(systemAutostartFolder(), QString(), int(platform::ShowMode::Normal));
    });
    connect(menu_StartupApps, &QAction::triggered, this, [] {
        OpenWithShell(QStringLiteral("ms-settings:startupapps"), QString(),
                      int(platform::ShowMode::Normal));
    });
    connect(menuStartupInReg, &QAction::triggered, this, &HotKeyWindow::menuStartupInReg_Click);
    connect(tim_WateTimerDelay, &QTimer::timeout, this,
            [] { openRegistryEditor(platform::environmentValue(QStringLiteral("USERNAME"))); });
}

void HotKeyWindow::Form_Load() {
    txt_KeyNumber->setText(QStringLiteral("112"));
    for (QCheckBox* box : {chk_ShiftKey, chk_CtrlKey, chk_AltKey})
        box->setChecked(false);
    opt_HotkeyType.at(CommandIndex)->setChecked(true);
    const int type = readDefaultHotKeyType() == HotKeyType::Send ? SendIndex : CommandIndex;
    opt_HotkeyType.at(type)->setChecked(true);
    opt_HotkeyType_Click(type);

    const QString entry = readRunAtLoginEntry();
    chk_RunAppAtBootup->setChecked(entryRunsAtLogin(entry));
    menu_RunHidden->setChecked(entryRunsHidden(entry));
    chk_RunAppAtBootup_Click();
    tim_CheckKeysRedDot->start();
}

void HotKeyWindow::Form_Unload() {
    tim_CheckKeysRedDot->stop();
    saveRunAtLogin(chk_RunAppAtBootup->isChecked(), menu_RunHidden->isChecked());
    writeDefaultHotKeyType(currentType());
    if (hooks_.startRebootTimer)
        hooks_.startRebootTimer();
}

void HotKeyWindow::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void HotKeyWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setHotKeyWindowShown(true);
}

void HotKeyWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    setHotKeyWindowShown(false);
}

HotKeyType HotKeyWindow::currentType() const {
    return opt_HotkeyType.at(SendIndex)->isChecked() ? HotKeyType::Send : HotKeyType::Command;
}

QString HotKeyWindow::currentName() const {
    return composeHotKeyName(txt_KeyNumber->text(), currentType(),
                             {chk_ShiftKey->isChecked(), chk_CtrlKey->isChecked(),
                              chk_AltKey->isChecked()});
}

QString HotKeyWindow::shownBoxText() const {
    return currentType() == HotKeyType::Send ? storedSendText(sendBox_->toPlainText())
                                             : commandBox_->text();
}

void HotKeyWindow::loadShownBox() {
    const QString value = readHotKeyValue(currentName());
    if (currentType() == HotKeyType::Send) {
        sendBox_->setPlainText(shownSendText(value));
        sendBox_->moveCursor(QTextCursor::End);
    } else {
        commandBox_->setText(value);
        commandBox_->end(false);
    }
}

void HotKeyWindow::updateControls() {
    const HotKeyControls controls = hotKeyControls(txt_KeyNumber->text(), shownBoxText());
    for (QCheckBox* box : {chk_ShiftKey, chk_CtrlKey, chk_AltKey})
        box->setEnabled(controls.modifiers);
    com_EditHotkey->setEnabled(controls.save);
    com_DeleteHotkey->setEnabled(controls.deleteAndTest);
    com_TestCommand->setEnabled(controls.deleteAndTest);
    com_NumberUpDown.at(Up)->setEnabled(controls.up);
    com_NumberUpDown.at(Down)->setEnabled(controls.down);
}

void HotKeyWindow::txt_KeyNumber_Change() {
    loadShownBox();
    const int number = keyNumberOf(txt_KeyNumber->text());
    // Numbers beyond a key number have no description; the box refuses them anyway.
    lab_CodeInfo->setText(number <= std::numeric_limits<qint16>::max() ? LookupCode(qint16(number))
                                                                        : text(NoKeyYet));
    updateControls();
}

void HotKeyWindow::com_NumberUpDown_Click(int index) {
    const KeyNumberStep step = stepKeyNumber(keyNumberOf(txt_KeyNumber->text()), index == Up);
    if (step.alarm)
        PlayWAV(QString::fromLatin1(AlarmSound), false, true);
    txt_KeyNumber->setText(QString::number(step.number));
}

void HotKeyWindow::opt_HotkeyType_Click(int index) {
    const bool send = index == SendIndex;
    lab_RunLoadCommand->setText(text(send ? TextToSend : RunLoadCommand));
    commandBox_->setVisible(!send);
    commandBox_->setEnabled(!send);
    sendBox_->setVisible(send);
    sendBox_->setEnabled(send);
    loadShownBox();
    updateControls();
    // The hidden box leaves the layout's sizes only once its events are handled.
    QTimer::singleShot(0, this, [this] { adjustSize(); });
}

void HotKeyWindow::com_EditHotkey_Click() {
    writeHotKeyValue(currentName(), currentType(), shownBoxText());
}

void HotKeyWindow::com_DeleteHotkey_Click() {
    const int number = keyNumberOf(txt_KeyNumber->text());
    const QString shortName = LookupCode(qint16(number), true);
    const bool shift = chk_ShiftKey->isChecked();
    const bool ctrl = chk_CtrlKey->isChecked();
    const bool alt = chk_AltKey->isChecked();
    const QString boxText = shownBoxText();
    if (trimSpaces(boxText).isEmpty()) {
        showMessage(this, QMessageBox::Warning, text(CantDeleteTitle),
                    nothingToDeleteText(shortName, shift, ctrl, alt));
        return;
    }
    const bool send = currentType() == HotKeyType::Send;
    if (showMessage(this, QMessageBox::Warning, text(DeleteTitle),
                    deleteQuestionText(shortName, shift, ctrl, alt, send, boxText),
                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        deleteHotKeyValue(currentName());
}

void HotKeyWindow::com_TestCommand_Click() {
    if (currentType() == HotKeyType::Command) {
        // Tried as a hot key runs it: the whole text, then a program with its parameters.
        const QString command = commandBox_->text();
        if (isBeep(command)) {
            PlayWAV(QString::fromLatin1(AlarmSound), false, true);
            return;
        }
        for (const Launch& launch : launchAttempts(command))
            if (OpenWithShell(launch.target, launch.parameters, int(platform::ShowMode::Normal)) ==
                platform::ShellResult::Success)
                return;
        showMessage(this, QMessageBox::Warning, text(CantFindTitle), text(CantFindText));
        return;
    }
    const QString path = writeSendTestFile(ReplaceTextTokens(shownBoxText()));
    if (path.isEmpty()) {
        showMessage(this, QMessageBox::Warning, text(CantFindTitle),
                    text(SendTestWriteError) + sendTestFilePath());
        return;
    }
    const QString quoted = u'"' + path + u'"';
    if (OpenWithShell(QStringLiteral("Notepad.exe"), quoted, int(platform::ShowMode::Normal)) !=
        platform::ShellResult::Success)
        OpenWithShell(platform::environmentValue(QStringLiteral("SystemRoot")) +
                          QStringLiteral("\\Notepad.exe"),
                      quoted, int(platform::ShowMode::Normal));
}

void HotKeyWindow::tim_CheckKeysRedDot_Timer() {
    HotKeyName combination;
    combination.keyNumber = qint16(keyNumberOf(txt_KeyNumber->text()));
    combination.modifiers = {chk_ShiftKey->isChecked(), chk_CtrlKey->isChecked(),
                             chk_AltKey->isChecked()};
    const bool pressed = combinationHeld(combination, platform::keys().snapshot(true));
    Shape1->setFilled(pressed);
    fra_HotkeyFrame->setTitleColour(pressed ? QColor(192, 0, 0) : QColor());
}

void HotKeyWindow::dropOnBox(int index, const QStringList& paths) {
    const HotKeyDropVerdict verdict = checkHotKeyDrop(index == SendIndex, paths);
    if (!verdict.accepted) {
        showMessage(this, QMessageBox::Warning, text(EditErrorTitle), verdict.refusal,
                    QMessageBox::Ok | QMessageBox::Cancel);
        return;
    }
    if (index == SendIndex) {
        sendBox_->setPlainText(shownSendText(verdict.text));
        sendBox_->moveCursor(QTextCursor::End);
    } else {
        commandBox_->setText(verdict.text);
        commandBox_->end(false);
    }
}

void HotKeyWindow::chk_RunAppAtBootup_Click() {
    const bool ticked = chk_RunAppAtBootup->isChecked();
    lab_RunOptions->setEnabled(ticked);
    menu_StartPrograms->menuAction()->setVisible(ticked);
    menuBar_->setVisible(ticked);
    adjustSize();
}

void HotKeyWindow::lab_RunOptions_Click() {
    menu_RunAtSettings->setText(storedRebootSummaryCaption());
    menu_BootOptions->popup(lab_RunOptions->mapToGlobal(QPoint(0, lab_RunOptions->height())));
}

void HotKeyWindow::menu_StartPrograms_Open() {
    menu_StartMenuWelcomeUser->setText(text(WelcomeUser) +
                                       platform::environmentValue(QStringLiteral("USERNAME")));
    menu_StartupApps->setEnabled(startupAppsAvailable());
}

void HotKeyWindow::menuStartupInReg_Click() {
    // The registry editor is opened once the ended copy is gone.
    prepareRegistryEditor();
    tim_WateTimerDelay->start();
}

bool HotKeyWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == txt_KeyNumber && type == QEvent::KeyPress) {
        // Characters other than digits are dropped, and so is a line end; editing and moving
        // keys (Delete, Tab, Ctrl+A) still work, as their text is a control character.
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool character = !typed.isEmpty() && typed.at(0).isPrint();
        const bool digit = typed.size() == 1 && typed.at(0) >= u'0' && typed.at(0) <= u'9';
        if ((character && !digit) || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
    }
    if (watched == txt_KeyNumber && type == QEvent::MouseButtonPress) {
        txt_KeyNumber->setEnabled(false);
        Timer1->start();
    }
    if (watched == lab_RunOptions && type == QEvent::MouseButtonRelease &&
        lab_RunOptions->isEnabled()) {
        lab_RunOptions_Click();
        return true;
    }
    const bool commandTarget = watched == commandBox_;
    const bool sendTarget = watched == sendBox_->viewport();
    if ((commandTarget || sendTarget) &&
        (type == QEvent::DragEnter || type == QEvent::DragMove)) {
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    }
    if ((commandTarget || sendTarget) && type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->acceptProposedAction();
        dropOnBox(sendTarget ? SendIndex : CommandIndex, droppedLocalPaths(drop->mimeData()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HotKeyWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Pause) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pathwick::hotkeys

#include "HotKeyWindow.moc"
