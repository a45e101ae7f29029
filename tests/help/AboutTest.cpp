#include "help/AboutWindow.h"
#include "help/FadeBackground.h"
#include "platform/fake/FakePlatform.h"

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

// Opening paints the program's facts over the gradient down to the last
// row; Pause closes it.
TEST(AboutWindow, ShowsTheFactsOverTheGradientAndPauseCloses) {
    platform::fake::FakePlatform fake;
    AboutWindow w(nullptr);
    EXPECT_FALSE(w.lab_AppInfo->text().contains('\r'));
    w.resize(400, 333);
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), QColor(192, 129, 4));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(w.com_OK, Qt::Key_Pause);
    EXPECT_FALSE(w.isVisible());
}

} // namespace
} // namespace pathwick::test
