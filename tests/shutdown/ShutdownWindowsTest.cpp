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
};

TEST_F(ShutdownWindowTest, AtTimeProposesFiveHoursAheadAndAcceptsFromFiveMinutes) {
    ShutdownAtTimeWindow window(clock);
    auto* date = window.findChild<QComboBox*>("combo_ShutdownDate");
    auto* minutes = window.findChild<QComboBox*>("combo_ShutdownMinutes");
    auto* info = window.findChild<QLabel*>("lab_Info");
    auto* ok = window.findChild<QPushButton*>("com_OK");
    EXPECT_EQ(date->currentIndex(), 1); // 2am tomorrow
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
    window.findChild<QComboBox*>("combo_ShutdownHours")->setCurrentIndex(8); // "  9"
    window.findChild<QComboBox*>("combo_ShutdownAmPm")->setCurrentIndex(1);
    for (const Case& c : cases) {
        minutes->setCurrentIndex(c.minute);
        EXPECT_EQ(ok->isEnabled(), c.ok) << c.minute;
        EXPECT_EQ(info->palette().color(QPalette::WindowText), c.colour) << c.minute;
        EXPECT_TRUE(info->text().endsWith(c.infoEnd)) << info->text().toStdString();
    }
    minutes->setCurrentIndex(15);
    clock.advanceSeconds(120); // the window stood open: the delay counts from the click
    ok->click();
    int hour = 0;
    QString timeString;
    EXPECT_EQ(window.getNewTime(nullptr, &hour, nullptr, &timeString), 13.0);
    EXPECT_EQ(hour, 21);
    EXPECT_EQ(timeString, "a&t 9:15pm today");
}

TEST_F(ShutdownWindowTest, OptionsLoadTheStoreAndKeepTheirRules) {
    write(catalogue::UserShutdownTimeHours, 50);
    ShutdownOptionsWindow window(clock);
    auto* days = window.findChild<QComboBox*>("Combo_ShutdownUserTimeDays");
    auto* hours = window.findChild<QComboBox*>("Combo_ShutdownUserTimeHours");
    auto* minutes = window.findChild<QComboBox*>("Combo_ShutdownUserTimeMinutes");
    auto* warning = window.findChild<QLabel*>("lab_WarningMsg");
    auto* beep = window.findChild<QCheckBox*>("chk_BeepAtLastMinute");
    EXPECT_EQ(days->currentText(), " 2 days");
    EXPECT_EQ(hours->currentText(), " 2 hours");
    EXPECT_EQ(warning->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    EXPECT_TRUE(beep->isChecked());

    // Too little time: red, and saving keeps the old user time but stores the rest.
    days->setCurrentIndex(0);
    hours->setCurrentIndex(0);
    minutes->setCurrentIndex(14);
    EXPECT_EQ(warning->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    window.findChildren<QRadioButton*>("opt_TimerUsing").at(1)->setChecked(true);
    EXPECT_FALSE(beep->isChecked());
    EXPECT_FALSE(beep->isEnabled());
    window.findChild<QCheckBox*>("chk_ShutdownAndReboot")->setChecked(true);
    window.findChild<QPushButton*>("com_OK")->click();
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 50);
    EXPECT_FALSE(read(catalogue::ThisAppControlsShutdown));
    EXPECT_TRUE(read(catalogue::ShutdownReboot));
    EXPECT_TRUE(read(catalogue::BeepAtLastMinute)); // the remembered choice, not the unticked box
    EXPECT_EQ(read(catalogue::SaveStamp), SavedWithStamp("Shutdown options 5/12/2026, 9:00:00pm"));
}

} // namespace
} // namespace pathwick
