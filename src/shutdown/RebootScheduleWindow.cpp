#include "shutdown/RebootScheduleWindow.h"

#include "common/WindowControls.h"
#include "settings/ProgramSettings.h"
#include "shutdown/Clock.h"
#include "shutdown/RebootSchedule.h"
#include "shutdown/ShutdownWindowRules.h"
#include "shutdown/WindowParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pathwick {

using namespace window_parts;

RebootScheduleWindow::RebootScheduleWindow(const Clock& clock,
                                           std::function<void()> startRebootTimer,
                                           QWidget* parent)
    : QDialog(parent), clock_(clock), startRebootTimer_(std::move(startRebootTimer)) {
    setObjectName(QStringLiteral("frm_BootupOptions"));
    setWindowTitle(QStringLiteral("Bootup time:"));
    if (parent)
        setWindowIcon(parent->windowIcon());

    auto* fra_RebootTiming = named(new QGroupBox(QStringLiteral("Timings:")), "fra_RebootTiming");
    auto* group = new QButtonGroup(this);
    auto* timingLayout = new QVBoxLayout(fra_RebootTiming);
    const QStringList captions = rebootLengthCaptions();
    for (int index = 0; index < captions.size(); ++index) {
        auto* option = named(new QRadioButton(captions.at(index)), "opt_RebootLength");
        group->addButton(option, index);
        opt_RebootLength.append(option);
        timingLayout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                opt_RebootLength_Click(index);
        });
    }

    combo_Hours = named(new QComboBox, "combo_Hours");
    combo_Minutes = named(new QComboBox, "combo_Minutes");
    combo_AmPm = named(new QComboBox, "combo_AmPm");
    lab_AndRepeatText = makeLabel(this, "lab_AndRepeatText", QStringLiteral("disabled."));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(makeLabel(this, "lab_RebootText", QStringLiteral("Reboot at;")));
    timeRow->addWidget(combo_Hours);
    timeRow->addWidget(makeLabel(this, "lab_HM_separate", QStringLiteral(":")));
    timeRow->addWidget(combo_Minutes);
    timeRow->addWidget(combo_AmPm);
    timeRow->addWidget(lab_AndRepeatText);
    timeRow->addStretch();

    lab_Warning_02 = named(new QLabel(QStringLiteral(
                               "If the set time is after the time now + re-boot ? hours, then will "
                               "re-boot at the first time.")),
                           "lab_Warning_02");
    lab_Warning_02->setWordWrap(true);
    com_OK = makeButton(this, "com_OK", QStringLiteral("&Ok"));
    com_Cancel = makeButton(this, "com_Cancel", QStringLiteral("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fra_RebootTiming);
    layout->addLayout(timeRow);
    layout->addWidget(makeLabel(this, "lab_Warning_01", QStringLiteral("Note:")));
    layout->addWidget(lab_Warning_02);
    layout->addLayout(buttonRow(com_OK, com_Cancel));

    connect(com_OK, &QPushButton::clicked, this, &RebootScheduleWindow::com_OK_Click);
    connect(com_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
    for (QComboBox* list : {combo_Hours, combo_Minutes, combo_AmPm})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this] { opt_RebootLength_Click(selectedLength()); });
}

int RebootScheduleWindow::selectedLength() const {
    for (int index = 0; index < opt_RebootLength.size(); ++index)
        if (opt_RebootLength.at(index)->isChecked())
            return index;
    return 0;
}

void RebootScheduleWindow::Form_Load() {
    combo_Hours->addItems(rebootHourEntries());
    combo_Minutes->addItems(minuteEntries());
    combo_AmPm->addItems({QStringLiteral("am"), QStringLiteral("pm")});
    const QString key = keyPathOf(catalogue::RebootEveryHours);
    const int hour = readSmallNumber(key, catalogue::RebootEveryHours.name, 0);
    selectIfPresent(combo_Hours, hour == 12 ? 0 : hour);
    selectIfPresent(combo_Minutes, read(catalogue::RebootEveryMinutes));
    selectIfPresent(combo_AmPm, read(catalogue::RebootEveryAmPm));
    int index = read(catalogue::RebootEveryHourIndex);
    if (index < 0 || index >= opt_RebootLength.size())
        index = 0;
    opt_RebootLength.at(index)->setChecked(true);
    opt_RebootLength_Click(index);
}

void RebootScheduleWindow::opt_RebootLength_Click(int index) {
    for (QComboBox* list : {combo_Hours, combo_Minutes, combo_AmPm})
        list->setEnabled(index != 0);
    const RebootExplanation explanation =
        rebootExplanation(index, combo_Hours->currentText(), combo_Minutes->currentText(),
                          combo_AmPm->currentText(), clock_.now().time());
    setWindowTitle(explanation.caption);
    lab_AndRepeatText->setText(explanation.repeatText);
    lab_Warning_02->setText(QString(explanation.example).remove('\r'));
}

void RebootScheduleWindow::com_OK_Click() {
    const int index = selectedLength();
    write(catalogue::RebootEveryHourIndex, qint16(index));
    if (index != 0) {
        write(catalogue::RebootEveryHours, qint16(combo_Hours->currentText().trimmed().toInt()));
        write(catalogue::RebootEveryMinutes, qint16(combo_Minutes->currentText().toInt()));
        write(catalogue::RebootEveryAmPm, qint16(combo_AmPm->currentIndex()));
    }
    if (startRebootTimer_)
        startRebootTimer_();
    accept();
}

} // namespace pathwick
