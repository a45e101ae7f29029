#include "shutdown/ShutdownAtTimeWindow.h"

#include "common/WindowControls.h"
#include "settings/ProgramSettings.h"
#include "shutdown/Clock.h"
#include "shutdown/ShutdownWindowRules.h"
#include "shutdown/WindowParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pathwick {

using namespace window_parts;

namespace {

constexpr auto NotSelected = " a&t [Select date/time]";

} // namespace

ShutdownAtTimeWindow::ShutdownAtTimeWindow(const Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock) {
    setObjectName(QStringLiteral("frm_ShutdownAtTime"));
    setWindowTitle(QStringLiteral("Shutdown at time."));
    if (parent)
        setWindowIcon(parent->windowIcon());

    fra_ShutdownTimeFrame =
        named(new QGroupBox(QStringLiteral(" Shutdown computer at: "), this), "fra_ShutdownTimeFrame");
    lab_Date = makeLabel(this, "lab_Date", QStringLiteral("Date:"));
    lab_Time = makeLabel(this, "lab_Time", QStringLiteral("Time:"));
    combo_ShutdownDate = named(new QComboBox, "combo_ShutdownDate");
    combo_ShutdownHours = named(new QComboBox, "combo_ShutdownHours");
    combo_ShutdownMinutes = named(new QComboBox, "combo_ShutdownMinutes");
    combo_ShutdownAmPm = named(new QComboBox, "combo_ShutdownAmPm");
    lab_Info = makeLabel(this, "lab_Info", QString());
    com_OK = makeButton(this, "com_OK", QStringLiteral("&Ok"));
    com_Cancel = makeButton(this, "com_Cancel", QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout(fra_ShutdownTimeFrame);
    grid->addWidget(lab_Date, 0, 0);
    grid->addWidget(combo_ShutdownDate, 0, 1, 1, 3);
    grid->addWidget(lab_Time, 1, 0);
    grid->addWidget(combo_ShutdownHours, 1, 1);
    grid->addWidget(combo_ShutdownMinutes, 1, 2);
    grid->addWidget(combo_ShutdownAmPm, 1, 3);
    grid->addWidget(lab_Info, 2, 0, 1, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fra_ShutdownTimeFrame);
    layout->addLayout(buttonRow(com_OK, com_Cancel));

    for (QComboBox* list : {combo_ShutdownDate, combo_ShutdownHours, combo_ShutdownMinutes,
                            combo_ShutdownAmPm})
        connect(list, &QComboBox::currentIndexChanged, this, &ShutdownAtTimeWindow::UpdateTimeInfo);
    connect(com_OK, &QPushButton::clicked, this, &ShutdownAtTimeWindow::com_OK_Click);
    connect(com_Cancel, &QPushButton::clicked, this, &ShutdownAtTimeWindow::com_Cancel_Click);
    Form_Load();
}

bool ShutdownAtTimeWindow::twelveHour() const {
    return combo_ShutdownAmPm->isEnabled();
}

void ShutdownAtTimeWindow::Form_Load() {
    DelayMinutes = -1;
    DaysChosen = HoursChosen = MinutesChosen = -1;
    TimeString = NotSelected;
    Accepted = false;

    const QDateTime now = clock_.now();
    const bool twelve = read(catalogue::ShutdownAt12HourInput);
    const AtTimeSelection proposed = proposedAtTime(now, twelve);
    const QSignalBlocker blockDate(combo_ShutdownDate), blockHours(combo_ShutdownHours),
        blockMinutes(combo_ShutdownMinutes), blockAmPm(combo_ShutdownAmPm);
    combo_ShutdownDate->addItems(atTimeDateEntries(now.date()));
    combo_ShutdownDate->setCurrentIndex(proposed.dateIndex);
    combo_ShutdownAmPm->setEnabled(twelve);
    combo_ShutdownAmPm->setVisible(twelve);
    combo_ShutdownHours->addItems(atTimeHourEntries(twelve));
    combo_ShutdownHours->setCurrentIndex(proposed.hourIndex);
    combo_ShutdownMinutes->addItems(minuteEntries());
    combo_ShutdownMinutes->setCurrentIndex(proposed.minuteIndex);
    combo_ShutdownAmPm->addItems({QStringLiteral("am"), QStringLiteral("pm")});
    combo_ShutdownAmPm->setCurrentIndex(proposed.pm ? 1 : 0);
    UpdateTimeInfo();
}

void ShutdownAtTimeWindow::UpdateTimeInfo() {
    const QDateTime now = clock_.now();
    const int hour = chosenHour(combo_ShutdownHours->currentIndex(), twelveHour(),
                                combo_ShutdownAmPm->currentText() == QLatin1String("pm"));
    const QDateTime target(now.date().addDays(combo_ShutdownDate->currentIndex()),
                           QTime(hour, combo_ShutdownMinutes->currentIndex()));
    const AtTimeInfo info = atTimeInfo(now, target);
    DelayMinutes = info.delayMinutes;
    com_OK->setEnabled(info.ok);
    QPalette palette = lab_Info->palette();
    palette.setColor(QPalette::WindowText, info.colour);
    lab_Info->setPalette(palette);
    QFont font = lab_Info->font();
    font.setBold(info.bold);
    lab_Info->setFont(font);
    lab_Info->setText(QString(info.caption).remove('\r'));
}

void ShutdownAtTimeWindow::com_OK_Click() {
    // The delay counts from this click, not from the last change of a list, so the shutdown
    // comes at the moment chosen; one that has come too close meanwhile is refused here.
    UpdateTimeInfo();
    if (!com_OK->isEnabled())
        return;
    DaysChosen = combo_ShutdownDate->currentIndex();
    HoursChosen = combo_ShutdownHours->currentIndex();
    MinutesChosen = combo_ShutdownMinutes->currentIndex();
    const int shownHour = combo_ShutdownHours->currentText().trimmed().toInt();
    QString ampm;
    if (twelveHour()) {
        ampm = combo_ShutdownAmPm->currentText();
        HoursChosen = chosenHour(HoursChosen, true, ampm == QLatin1String("pm"));
    }
    TimeString = atTimeString(shownHour, MinutesChosen, ampm, combo_ShutdownDate->currentText());
    Accepted = true;
    accept();
}

void ShutdownAtTimeWindow::com_Cancel_Click() {
    DelayMinutes = -1;
    DaysChosen = HoursChosen = MinutesChosen = -1;
    TimeString = NotSelected;
    Accepted = false;
    reject();
}

void ShutdownAtTimeWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Pause) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

double ShutdownAtTimeWindow::getNewTime(int* daysV, int* hoursV, int* minutesV,
                                        QString* timeString) {
    double result = 0;
    if (Accepted)
        result = DelayMinutes;
    else
        DelayMinutes = -1;
    if (daysV)
        *daysV = DaysChosen;
    if (hoursV)
        *hoursV = HoursChosen;
    if (minutesV)
        *minutesV = MinutesChosen;
    if (timeString)
        *timeString = TimeString;
    return result;
}

} // namespace pathwick
