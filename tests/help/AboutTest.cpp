#include "common/Version.h"
#include "help/AboutInfo.h"
#include "help/AboutWindow.h"
#include "help/FadeBackground.h"
#include "platform/fake/FakePlatform.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/QtPrinting.h"

namespace pathwick::test {
namespace {

const QColor White(255, 255, 255);
const QColor Amber(191, 127, 0);

// A section under the facts appears only when it has text; "|" breaks a comment line.
TEST(AboutInformation, SectionsOnlyWhenNotEmpty) {
    const AboutFacts facts{"1.2", "today", "Us", "https://x.org", "a@x.org", "", "One|Two||Three"};
    EXPECT_EQ(aboutInformationText(facts), "Version;  1.2 (today)\r\n"
                                           "By;            Us\r\n"
                                           "Website;   https://x.org\r\n"
                                           "Email;        a@x.org\r\n"
                                           "\r\nComments:\r\nOne\r\nTwo\r\n\r\nThree\r\n");
}

// Heights that are not multiples of 64, smaller than 64 and large: 64 bands from white down
// to one step short of amber cover every row once.
TEST(FadeBackground, BandsCoverEveryRowOnce) {
    for (const int height : {1, 37, 63, 64, 65, 127, 129, 333, 1001}) {
        SCOPED_TRACE(height);
        const QList<FadeBand> bands = fadeBands(height, White, Amber);
        ASSERT_EQ(bands.size(), 64);
        EXPECT_EQ(bands.first().top, 0);
        EXPECT_EQ(bands.last().bottom, height);
        for (int k = 1; k < bands.size(); ++k)
            EXPECT_EQ(bands[k].top, bands[k - 1].bottom);
        EXPECT_EQ(bands.first().colour, White);
        // 63 steps of (255-191)/64, (255-127)/64, 255/64.
        EXPECT_EQ(bands.last().colour, QColor(192, 129, 4));
    }
}

// Opening plays the alarm and paints the program's facts over the gradient down to the last
// row; OK and Pause each close it.
TEST(AboutWindow, ShowsTheFactsOverTheGradientAndOkAndPauseClose) {
    platform::fake::FakePlatform fake;
    // The alarm ships beside the program; made here when the build has not put it there.
    QFile alarm(ProgramFolder() + "/Alarm01.wav");
    const bool madeAlarm = !alarm.exists() && alarm.open(QIODevice::WriteOnly);
    AboutWindow w(nullptr);
    if (madeAlarm)
        alarm.remove();
    EXPECT_EQ(fake.sound->played, QStringList{alarm.fileName()});
    EXPECT_FALSE(w.lab_AppInfo->text().contains('\r'));
    w.resize(400, 333);
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), QColor(192, 129, 4));
    const std::function<void()> closers[] = {
        [&] { QTest::mouseClick(w.com_OK, Qt::LeftButton); },
        [&] { QTest::keyClick(w.com_OK, Qt::Key_Pause); },
    };
    for (const auto& close : closers) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        close();
        EXPECT_FALSE(w.isVisible());
    }
}

} // namespace
} // namespace pathwick::test
