#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pathwick {

class Clock;

// Picks a date up to 114 days ahead and a time, and shows live how far away it is. Starts
// nothing itself: the caller reads the result with getNewTime after it closed.
class ShutdownAtTimeWindow : public QDialog {
    Q_OBJECT
public:
    explicit ShutdownAtTimeWindow(const Clock& clock, QWidget* parent = nullptr);

    // The delay in minutes when accepted, else 0; hands out the chosen entries (-1 when not
    // accepted) and the text for the menu item.
    double getNewTime(int* daysV, int* hoursV, int* minutesV, QString* timeString);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void UpdateTimeInfo();
    void com_OK_Click();
    void com_Cancel_Click();
    bool twelveHour() const;

    const Clock& clock_;
    QGroupBox* fra_ShutdownTimeFrame = nullptr;
    QComboBox* combo_ShutdownDate = nullptr;
    QComboBox* combo_ShutdownHours = nullptr;
    QComboBox* combo_ShutdownMinutes = nullptr;
    QComboBox* combo_ShutdownAmPm = nullptr;
    QLabel* lab_Date = nullptr;
    QLabel* lab_Time = nullptr;
    QLabel* lab_Info = nullptr;
    QPushButton* com_OK = nullptr;
    QPushButton* com_Cancel = nullptr;

    int DaysChosen = -1;
    int HoursChosen = -1;
    int MinutesChosen = -1;
    QString TimeString;
    double DelayMinutes = -1;
    bool Accepted = false;
};

} // namespace pathwick
