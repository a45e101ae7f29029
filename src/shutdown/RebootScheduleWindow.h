#pragma once

#include <QDialog>
#include <QList>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pathwick {

class Clock;

// Sets the clock time at which the computer restarts, once or every few hours. Saving
// stores the schedule and hands it to the main window's StartRebootTimer.
class RebootScheduleWindow : public QDialog {
    Q_OBJECT
public:
    RebootScheduleWindow(const Clock& clock, std::function<void()> startRebootTimer,
                         QWidget* parent = nullptr);

private:
    void Form_Load();
    void opt_RebootLength_Click(int index);
    void com_OK_Click();
    int selectedLength() const;

    const Clock& clock_;
    std::function<void()> startRebootTimer_;
    QList<QRadioButton*> opt_RebootLength;
    QComboBox* combo_Hours = nullptr;
    QComboBox* combo_Minutes = nullptr;
    QComboBox* combo_AmPm = nullptr;
    QLabel* lab_AndRepeatText = nullptr;
    QLabel* lab_Warning_02 = nullptr;
    QPushButton* com_OK = nullptr;
    QPushButton* com_Cancel = nullptr;
};

} // namespace pathwick
