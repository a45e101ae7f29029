#include "common/ValueFormats.h"
#include "common/Twips.h"
#include "common/Version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>
#include <gtest/gtest.h>

using namespace pathwick;

TEST(ValueFormats, DatesAndTwelveHourTimesAroundMidnightAndNoon) {
    EXPECT_EQ(formatDate_d_mm_yyyy(QDate(2026, 12, 5)), "5/12/2026");
    EXPECT_EQ(formatDate_d_mm_yyyy(QDate(2025, 3, 30)), "30/03/2025");
    EXPECT_EQ(formatDate_d_mm_yyyy(QDate(987, 1, 1)), "1/01/0987");
    const std::tuple<QTime, const char*, const char*> times[] = {
        {QTime(0, 0, 0), "12:00:00am", "12:00am"},  {QTime(0, 59, 59), "12:59:59am", "12:59am"},
        {QTime(9, 5, 44), "9:05:44am", "9:05am"},   {QTime(11, 59, 59), "11:59:59am", "11:59am"},
        {QTime(12, 0, 0), "12:00:00pm", "12:00pm"}, {QTime(13, 5, 9), "1:05:09pm", "1:05pm"},
        {QTime(23, 59, 0), "11:59:00pm", "11:59pm"}};
    for (const auto& [time, withSeconds, withoutSeconds] : times) {
        EXPECT_EQ(formatTime_h_mm_ss_ampm(time), withSeconds);
        EXPECT_EQ(formatTime_H_MM_ampm(time), withoutSeconds);
    }
    const QDateTime moment(QDate(2026, 12, 5), QTime(2, 18, 17));
    EXPECT_EQ(formatNoteMoment(moment), "5/12/2026, 2:18:17am");
    EXPECT_EQ(formatFileStamp(moment), "2026-12-05_02-18-17");
    EXPECT_EQ(formatFileStamp(QDateTime(QDate(2026, 1, 9), QTime(23, 4, 5))),
              "2026-01-09_23-04-05");
}

TEST(ValueFormats, NumbersWithSeparatorsAndMinimumDigits) {
    const std::pair<qint64, const char*> thousands[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
        {-999, "-999"},
        {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"}};
    for (const auto& [number, text] : thousands)
        EXPECT_EQ(formatThousands(number), text);
    EXPECT_EQ(formatMinDigits(1, 2), "01");
    EXPECT_EQ(formatMinDigits(16, 4), "0016");
    EXPECT_EQ(formatMinDigits(12345, 4), "12345");
    EXPECT_EQ(formatMinDigits(-5, 2), "-05");
}

TEST(ValueFormats, NamesFollowTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(formatWeekdayName(QDate(2025, 3, 30)), "Sonntag");
    EXPECT_EQ(formatMonthName(QDate(2025, 3, 30)), "März");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatWeekdayName(QDate(2025, 3, 31)), "Monday");
    QLocale::setDefault(saved);
}

TEST(Version, TextsAndFoldersOfThisProgram) {
    EXPECT_EQ(VersionCaption(), "Pathwick - version 0.01.0016");
    EXPECT_EQ(getAppDate(), "30/03/2025 -  9:50am");
    EXPECT_EQ(SavedWithStamp("Settings at 5/12/2026, 2:18:17am"),
              "Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am (Settings at "
              "5/12/2026, 2:18:17am)");
    const QFileInfo self(QCoreApplication::applicationFilePath());
    EXPECT_EQ(ExecutableName(), self.fileName());
    EXPECT_EQ(ProgramFolder(), self.absolutePath());
    // The build folder is writable, so the program writes beside itself.
    EXPECT_EQ(ProgramWriteFolder(), self.absolutePath());
}

TEST(Twips, FifteenTwipsAreOnePixelAt96Dpi) {
    QWidget widget;
    const int dpi = widget.logicalDpiX();
    EXPECT_EQ(twipsToPixels(1440, &widget), dpi);
    EXPECT_EQ(pixelsToTwips(dpi, &widget), 1440);
    if (dpi == 96) {
        EXPECT_EQ(twipsToPixels(1335, &widget), 89);
        EXPECT_EQ(pixelsToTwips(89, &widget), 1335);
    }
}
