#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pathwick {

class Clock;

// Edits the settings that steer the shutdown; nothing is stored until "&Save settings".
class ShutdownOptionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ShutdownOptionsWindow(const Clock& clock, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void UpdateUserTimeInfo();
    void chk_ShutdownAndReboot_Click();
    void opt_12_24_System_Click(int index);
    void opt_TimerUsing_Click(int index);
    void chk_BeepAtLastMinute_Click();
    void com_OK_Click();

    const Clock& clock_;
    QList<QRadioButton*> opt_ForcedShutdown;
    QCheckBox* chk_ShutdownAndReboot = nullptr;
    QList<QRadioButton*> opt_TimerUsing;
    QCheckBox* chk_BeepAtLastMinute = nullptr;
    QLabel* lab_TimerUsing = nullptr;
    QComboBox* Combo_ShutdownUserTimeDays = nullptr;
    QComboBox* Combo_ShutdownUserTimeHours = nullptr;
    QComboBox* Combo_ShutdownUserTimeMinutes = nullptr;
    QLabel* lab_WarningMsg = nullptr;
    QList<QRadioButton*> opt_12_24_System;
    QLabel* lab_12_24_example = nullptr;
    QPushButton* com_OK = nullptr;
    QPushButton* com_Cancel = nullptr;

    int BeepRemembered = 0;
};

} // namespace pathwick
