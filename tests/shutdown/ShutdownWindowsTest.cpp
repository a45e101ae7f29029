#include "ShutdownFixture.h"
#include "common/Version.h"
#include "shutdown/ShutdownAtTimeWindow.h"
#include "shutdown/ShutdownOptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pathwick {
namespace {

class ShutdownWindowTest : public ::testing::Test {
protected:
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    test::FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(21, 0))};

    template <typename T> static T* child(QWidget& window, const char* name, int index = 0) {
        return window.findChildren<T*>(QString::fromLatin1(name)).value(index);
    }
    static QColor foreground(QWidget* widget) {
        return widget->palette().color(QPalette::WindowText);
    }
};

TEST_F(ShutdownWindowTest, AtTimeProposesFiveHoursAheadAndAcceptsFromFiveMinutes) {
    ShutdownAtTimeWindow window(clock);
    auto* date = child<QComboBox>(window, "combo_ShutdownDate");
    auto* hours = child<QComboBox>(window, "combo_ShutdownHours");
    auto* minutes = child<QComboBox>(window, "combo_ShutdownMinutes");
    auto* ampm = child<QComboBox>(window, "combo_ShutdownAmPm");
    auto* info = child<QLabel>(window, "lab_Info");
    auto* ok = child<QPushButton>(window, "com_OK");
    EXPECT_EQ(date->currentIndex(), 1);
    EXPECT_EQ(hours->currentText(), "  2");
    EXPECT_EQ(ampm->currentText(), "am");
    EXPECT_TRUE(info->text().endsWith("= 5 hours")) << info->text().toStdString();

    struct Case {
        int minute;
        bool ok;
        QColor colour;
        const char* infoEnd;
    };
    const Case cases[] = {{4, false, QColor(128, 0, 0), "at least 5 minutes from now."},
                          {5, true, QColor(128, 64, 0), "= 5 minutes"},
                          {15, true, QColor(0, 128, 0), "= 15 minutes"}};
    date->setCurrentIndex(0);
    hours->setCurrentIndex(8); // "  9"
    ampm->setCurrentIndex(1);
    for (const Case& c : cases) {
        minutes->setCurrentIndex(c.minute);
        EXPECT_EQ(ok->isEnabled(), c.ok) << c.minute;
        EXPECT_EQ(foreground(info), c.colour) << c.minute;
        EXPECT_TRUE(info->text().endsWith(c.infoEnd)) << info->text().toStdString();
    }
    minutes->setCurrentIndex(5);
    ok->click();
    int day = 0, hour = 0, minute = 0;
    QString timeString;
    EXPECT_EQ(window.getNewTime(&day, &hour, &minute, &timeString), 5.0);
    EXPECT_EQ(hour, 21);
    EXPECT_EQ(timeString, "a&t 9:05pm today");
}

TEST_F(ShutdownWindowTest, AtTimeCancelledGivesNothing) {
    write(catalogue::ShutdownAt12HourInput, false);
    ShutdownAtTimeWindow window(clock);
    EXPECT_FALSE(child<QComboBox>(window, "combo_ShutdownAmPm")->isEnabled());
    EXPECT_EQ(child<QComboBox>(window, "combo_ShutdownHours")->count(), 24);
    child<QPushButton>(window, "com_Cancel")->click();
    QString timeString;
    int hour = 0;
    EXPECT_EQ(window.getNewTime(nullptr, &hour, nullptr, &timeString), 0.0);
    EXPECT_EQ(hour, -1);
    EXPECT_EQ(timeString, " a&t [Select date/time]");
}

TEST_F(ShutdownWindowTest, OptionsLoadTheStoreAndKeepTheirRules) {
    write(catalogue::UserShutdownTimeHours, 50);
    auto window = std::make_unique<ShutdownOptionsWindow>(clock);
    auto* days = child<QComboBox>(*window, "Combo_ShutdownUserTimeDays");
    auto* hours = child<QComboBox>(*window, "Combo_ShutdownUserTimeHours");
    auto* minutes = child<QComboBox>(*window, "Combo_ShutdownUserTimeMinutes");
    auto* warning = child<QLabel>(*window, "lab_WarningMsg");
    auto* beep = child<QCheckBox>(*window, "chk_BeepAtLastMinute");
    EXPECT_EQ(days->currentText(), " 2 days");
    EXPECT_EQ(hours->currentText(), " 2 hours");
    EXPECT_EQ(foreground(warning), QColor(128, 128, 255));
    EXPECT_TRUE(beep->isChecked());

    // Too little time: red, and saving keeps the old user time but stores the rest.
    days->setCurrentIndex(0);
    hours->setCurrentIndex(0);
    minutes->setCurrentIndex(14);
    EXPECT_EQ(foreground(warning), QColor(128, 0, 0));
    child<QRadioButton>(*window, "opt_TimerUsing", 1)->setChecked(true);
    EXPECT_FALSE(beep->isChecked());
    EXPECT_FALSE(beep->isEnabled());
    child<QCheckBox>(*window, "chk_ShutdownAndReboot")->setChecked(true);
    child<QPushButton>(*window, "com_OK")->click();
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 50);
    EXPECT_FALSE(read(catalogue::ThisAppControlsShutdown));
    EXPECT_TRUE(read(catalogue::ShutdownReboot));
    EXPECT_TRUE(read(catalogue::BeepAtLastMinute)); // the remembered choice, not the unticked box
    EXPECT_EQ(read(catalogue::SaveStamp), SavedWithStamp("Shutdown options 5/12/2026, 9:00:00pm"));

    // The longest user time, and the beep coming back with the program's own timer.
    window = std::make_unique<ShutdownOptionsWindow>(clock);
    EXPECT_FALSE(child<QCheckBox>(*window, "chk_BeepAtLastMinute")->isChecked());
    child<QRadioButton>(*window, "opt_TimerUsing", 0)->setChecked(true);
    EXPECT_TRUE(child<QCheckBox>(*window, "chk_BeepAtLastMinute")->isChecked());
    child<QComboBox>(*window, "Combo_ShutdownUserTimeDays")->setCurrentIndex(20);
    child<QComboBox>(*window, "Combo_ShutdownUserTimeHours")->setCurrentIndex(23);
    child<QComboBox>(*window, "Combo_ShutdownUserTimeMinutes")->setCurrentIndex(59);
    child<QPushButton>(*window, "com_OK")->click();
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 503);
    EXPECT_EQ(read(catalogue::UserShutdownTimeMinutes), 59);
}

} // namespace
} // namespace pathwick
