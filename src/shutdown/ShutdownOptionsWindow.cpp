#include "shutdown/ShutdownOptionsWindow.h"

#include "common/ComputerInfo.h"
#include "common/ValueFormats.h"
#include "common/WindowControls.h"
#include "settings/ProgramSettings.h"
#include "shutdown/Clock.h"
#include "shutdown/ShutdownWindowRules.h"
#include "shutdown/WindowParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pathwick {

using namespace window_parts;

namespace {

constexpr int MaxStoredHours = 20 * 24 + 23;
const QColor RebootRed(255, 0, 0);

QGroupBox* frame(const char* caption, const char* name) {
    return named(new QGroupBox(QString::fromLatin1(caption)), name);
}

// An option-button array of two: index 0 and 1 share the name, as the designer made them.
QList<QRadioButton*> optionPair(const char* name, const char* first, const char* second,
                                QWidget* owner) {
    auto* group = new QButtonGroup(owner);
    QList<QRadioButton*> pair;
    for (const char* caption : {first, second}) {
        auto* option = named(new QRadioButton(QString::fromLatin1(caption)), name);
        group->addButton(option, int(pair.size()));
        pair.append(option);
    }
    return pair;
}

void setForeground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

ShutdownOptionsWindow::ShutdownOptionsWindow(const Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock) {
    setObjectName(QStringLiteral("frm_ShutdownOptions"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    QGroupBox* fra_ForcedShutdown = frame(" Forced computer shutdown: ", "fra_ForcedShutdown");
    opt_ForcedShutdown = optionPair(
        "opt_ForcedShutdown",
        "Forced shutdown. All unsaved data will be lost when computer turns off.",
        "Computer will not shutdown if unsaved data found, until you confirm it's ok to close "
        "program.",
        this);
    auto* forcedLayout = new QVBoxLayout(fra_ForcedShutdown);
    for (QRadioButton* option : opt_ForcedShutdown)
        forcedLayout->addWidget(option);

    QGroupBox* fra_ShitdownReboot =
        frame(" Shutdown or shutdown then re-boot: ", "fra_ShitdownReboot");
    chk_ShutdownAndReboot = named(
        new QCheckBox(QStringLiteral("Reboot (Turn on) computer after turning off.")),
        "chk_ShutdownAndReboot");
    (new QVBoxLayout(fra_ShitdownReboot))->addWidget(chk_ShutdownAndReboot);

    QGroupBox* fra_TimerUsing = frame(" Shutdown timer: ", "fra_TimerUsing");
    opt_TimerUsing = optionPair(
        "opt_TimerUsing", "Use this application to shutdown the computer. (App must stay open)",
        "Let Windows shutdown the computer. (You can close this application)", this);
    chk_BeepAtLastMinute =
        named(new QCheckBox(QStringLiteral("Beep at 1 minute.")), "chk_BeepAtLastMinute");
    chk_BeepAtLastMinute->setToolTip(
        QStringLiteral("Computer will beep at 1 minute to shutdown if ticked."));
    lab_TimerUsing = makeLabel(this, "lab_TimerUsing", QString());
    auto* timerLayout = new QVBoxLayout(fra_TimerUsing);
    for (QRadioButton* option : opt_TimerUsing)
        timerLayout->addWidget(option);
    timerLayout->addWidget(chk_BeepAtLastMinute);
    timerLayout->addWidget(lab_TimerUsing);

    QGroupBox* fra_UserTimeValue = frame(" User defined time value: ", "fra_UserTimeValue");
    Combo_ShutdownUserTimeDays = named(new QComboBox, "Combo_ShutdownUserTimeDays");
    Combo_ShutdownUserTimeHours = named(new QComboBox, "Combo_ShutdownUserTimeHours");
    Combo_ShutdownUserTimeMinutes = named(new QComboBox, "Combo_ShutdownUserTimeMinutes");
    lab_WarningMsg = makeLabel(this, "lab_WarningMsg", QStringLiteral("Value too low or Date = ?"));
    auto* userLayout = new QGridLayout(fra_UserTimeValue);
    userLayout->addWidget(makeLabel(this, "lab_ShutdownUserTime", QStringLiteral("Shutdown computer in")), 0, 0);
    userLayout->addWidget(Combo_ShutdownUserTimeDays, 0, 1);
    userLayout->addWidget(makeLabel(this, "lab_Comma", QStringLiteral(",")), 0, 2);
    userLayout->addWidget(Combo_ShutdownUserTimeHours, 0, 3);
    userLayout->addWidget(makeLabel(this, "lab_and", QStringLiteral("and")), 0, 4);
    userLayout->addWidget(Combo_ShutdownUserTimeMinutes, 0, 5);
    userLayout->addWidget(lab_WarningMsg, 1, 0, 1, 6);

    QGroupBox* fra_12or24 = frame(" Shutdown at date/time window uses 12 or 24 hour input: ",
                                  "fra_12or24_hour_input");
    opt_12_24_System = optionPair("opt_12_24_System", "12 hour input with am/pm list",
                                  "24 hour input (0 to 23 hours)", this);
    lab_12_24_example = makeLabel(this, "lab_12_24_example", QString());
    auto* clockLayout = new QHBoxLayout(fra_12or24);
    for (QRadioButton* option : opt_12_24_System)
        clockLayout->addWidget(option);
    clockLayout->addWidget(lab_12_24_example);

    com_OK = makeButton(this, "com_OK", QStringLiteral("&Save settings"));
    com_Cancel = makeButton(this, "com_Cancel", QStringLiteral("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    for (QGroupBox* each : {fra_ForcedShutdown, fra_ShitdownReboot, fra_TimerUsing,
                            fra_UserTimeValue, fra_12or24})
        layout->addWidget(each);
    layout->addLayout(buttonRow(com_OK, com_Cancel));

    Combo_ShutdownUserTimeDays->addItems(userTimeDayEntries());
    Combo_ShutdownUserTimeHours->addItems(userTimeHourEntries());
    Combo_ShutdownUserTimeMinutes->addItems(userTimeMinuteEntries());
    for (QComboBox* list : {Combo_ShutdownUserTimeDays, Combo_ShutdownUserTimeHours,
                            Combo_ShutdownUserTimeMinutes})
        connect(list, &QComboBox::currentIndexChanged, this,
                &ShutdownOptionsWindow::UpdateUserTimeInfo);
    connect(chk_ShutdownAndReboot, &QCheckBox::toggled, this,
            &ShutdownOptionsWindow::chk_ShutdownAndReboot_Click);
    connect(chk_BeepAtLastMinute, &QCheckBox::toggled, this,
            &ShutdownOptionsWindow::chk_BeepAtLastMinute_Click);
    for (int index = 0; index < 2; ++index) {
        connect(opt_12_24_System.at(index), &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                opt_12_24_System_Click(index);
        });
        connect(opt_TimerUsing.at(index), &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                opt_TimerUsing_Click(index);
        });
    }
    connect(com_OK, &QPushButton::clicked, this, &ShutdownOptionsWindow::com_OK_Click);
    connect(com_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void ShutdownOptionsWindow::Form_Load() {
    lab_WarningMsg->setText(QStringLiteral("Window loading..."));
    opt_ForcedShutdown.at(read(catalogue::NoWarningsComputerShutdown) ? 0 : 1)->setChecked(true);
    chk_ShutdownAndReboot->setChecked(read(catalogue::ShutdownReboot));
    chk_ShutdownAndReboot_Click();
    opt_TimerUsing.at(read(catalogue::ThisAppControlsShutdown) ? 0 : 1)->setChecked(true);

    const qint32 hours = read(catalogue::UserShutdownTimeHours);
    Combo_ShutdownUserTimeDays->setCurrentIndex(0);
    Combo_ShutdownUserTimeHours->setCurrentIndex(0);
    Combo_ShutdownUserTimeMinutes->setCurrentIndex(0);
    selectIfPresent(Combo_ShutdownUserTimeDays, hours / 24);
    selectIfPresent(Combo_ShutdownUserTimeHours, hours % 24);
    selectIfPresent(Combo_ShutdownUserTimeMinutes, read(catalogue::UserShutdownTimeMinutes));
    UpdateUserTimeInfo();

    opt_12_24_System.at(read(catalogue::ShutdownAt12HourInput) ? 0 : 1)->setChecked(true);

    if (read(catalogue::BeepAtLastMinute)) {
        chk_BeepAtLastMinute->setChecked(true);
        BeepRemembered = 1;
        if (opt_TimerUsing.at(1)->isChecked())
            chk_BeepAtLastMinute->setChecked(false);
    } else {
        chk_BeepAtLastMinute->setChecked(false);
        BeepRemembered = 0;
    }
    lab_TimerUsing->setText(timerUsingText(OSName()).remove('\r'));
}

void ShutdownOptionsWindow::UpdateUserTimeInfo() {
    const UserTimeInfo info =
        userTimeInfo(clock_.now(), Combo_ShutdownUserTimeDays->currentIndex(),
                     Combo_ShutdownUserTimeHours->currentIndex(),
                     Combo_ShutdownUserTimeMinutes->currentIndex());
    lab_WarningMsg->setText(QString(info.caption).remove('\r'));
    setForeground(lab_WarningMsg, info.colour);
}

void ShutdownOptionsWindow::chk_ShutdownAndReboot_Click() {
    if (chk_ShutdownAndReboot->isChecked())
        setForeground(chk_ShutdownAndReboot, RebootRed);
    else
        chk_ShutdownAndReboot->setPalette(QPalette());
}

void ShutdownOptionsWindow::opt_12_24_System_Click(int index) {
    const QTime now = clock_.now().time();
    lab_12_24_example->setText(index == 0 ? formatTime_h_mm_ss_ampm(now)
                                          : now.toString(QStringLiteral("H:mm:ss")));
}

void ShutdownOptionsWindow::opt_TimerUsing_Click(int index) {
    if (index == 0) {
        chk_BeepAtLastMinute->setEnabled(true);
        chk_BeepAtLastMinute->setChecked(BeepRemembered == 1);
        return;
    }
    chk_BeepAtLastMinute->setEnabled(false);
    BeepRemembered = chk_BeepAtLastMinute->isChecked() ? 1 : 0;
    chk_BeepAtLastMinute->setChecked(false);
}

void ShutdownOptionsWindow::chk_BeepAtLastMinute_Click() {
    if (chk_BeepAtLastMinute->isEnabled())
        BeepRemembered = chk_BeepAtLastMinute->isChecked() ? 1 : 0;
}

void ShutdownOptionsWindow::com_OK_Click() {
    write(catalogue::SaveStamp, optionsSaveStamp(clock_.now()));
    write(catalogue::NoWarningsComputerShutdown, opt_ForcedShutdown.at(0)->isChecked());
    write(catalogue::ShutdownReboot, chk_ShutdownAndReboot->isChecked());
    write(catalogue::ThisAppControlsShutdown, opt_TimerUsing.at(0)->isChecked());
    const int days = Combo_ShutdownUserTimeDays->currentIndex();
    const int hours = Combo_ShutdownUserTimeHours->currentIndex();
    const int minutes = Combo_ShutdownUserTimeMinutes->currentIndex();
    if (userTimeValid(days, hours, minutes)) {
        write(catalogue::UserShutdownTimeHours, qMin(days * 24 + hours, MaxStoredHours));
        write(catalogue::UserShutdownTimeMinutes, minutes);
    }
    write(catalogue::ShutdownAt12HourInput, opt_12_24_System.at(0)->isChecked());
    write(catalogue::BeepAtLastMinute, BeepRemembered == 1);
    accept();
}

void ShutdownOptionsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Pause) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pathwick
