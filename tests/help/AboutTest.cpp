#include "common/Version.h"
#include "help/AboutInfo.h"
#include "help/AboutWindow.h"
#include "help/FadeBackground.h"
#include "platform/fake/FakePlatform.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/QtPrinting.h"

namespace pathwick::test {
namespace {

const QColor White(255, 255, 255);
const QColor Amber(191, 127, 0);

TEST(AboutInformation, SectionsOnlyWhenNotEmpty) {
    AboutFacts facts{"0.01.0016", "30/03/2025 -  9:50am", "The Pathwick developers, 2025",
                     "https://pathwick.example.org", "maintainers@pathwick.example.org", "", ""};
    const QString head = "Version;  0.01.0016 (30/03/2025 -  9:50am)\r\n"
                         "By;            The Pathwick developers, 2025\r\n"
                         "Website;   https://pathwick.example.org\r\n"
                         "Email;        maintainers@pathwick.example.org\r\n";
    EXPECT_EQ(aboutInformationText(facts), head);
    facts.description = "Opens folders.";
    EXPECT_EQ(aboutInformationText(facts), head + "\r\nDescription:\r\nOpens folders.\r\n");
    facts.comments = "One|Two||Three";
    EXPECT_EQ(aboutInformationText(facts), head + "\r\nDescription:\r\nOpens folders.\r\n" +
                                               "\r\nComments:\r\nOne\r\nTwo\r\n\r\nThree\r\n");
    facts.description.clear();
    EXPECT_EQ(aboutInformationText(facts), head + "\r\nComments:\r\nOne\r\nTwo\r\n\r\nThree\r\n");
}

TEST(AboutInformation, TheProgramsOwnFactsAreFilledIn) {
    const AboutFacts facts = programAboutFacts();
    EXPECT_EQ(facts.versionText, "0.01.0016");
    for (const QString& value : {facts.author, facts.webAddress, facts.emailAddress})
        EXPECT_FALSE(value.isEmpty());
    EXPECT_TRUE(facts.webAddress.startsWith("https://"));
    EXPECT_TRUE(facts.emailAddress.contains('@'));
}

// Heights that are not multiples of 64, smaller than 64 and large.
const int Heights[] = {1, 37, 63, 64, 65, 100, 127, 129, 333, 479, 1001};

TEST(FadeBackground, BandsCoverEveryRowOnceFromWhiteDownToOneStepShortOfAmber) {
    for (const int height : Heights) {
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
        for (int k = 1; k < bands.size(); ++k) {
            EXPECT_LE(bands[k].colour.red(), bands[k - 1].colour.red());
            EXPECT_LE(bands[k].colour.blue(), bands[k - 1].colour.blue());
        }
    }
}

TEST(FadeBackground, PaintsEveryPixelRow) {
    const QColor unpainted(255, 0, 255);
    for (const int height : Heights) {
        SCOPED_TRACE(height);
        QImage image(7, height, QImage::Format_RGB32);
        image.fill(unpainted);
        QPainter painter(&image);
        FadeBackground(painter, image.size(), White, Amber);
        painter.end();
        for (const FadeBand& band : fadeBands(height, White, Amber))
            for (int y = band.top; y < band.bottom; ++y)
                for (int x : {0, 6})
                    ASSERT_EQ(image.pixelColor(x, y), band.colour) << "row " << y;
        for (int y = 0; y < height; ++y)
            ASSERT_NE(image.pixelColor(3, y), unpainted) << "row " << y;
        // The first band is white wherever it has a row of its own.
        if (height >= 32) {
            EXPECT_EQ(image.pixelColor(3, 0), White);
        }
    }
}

class AboutWindowTest : public testing::Test {
protected:
    // The alarm ships beside the program; made here when the build has not put it there.
    AboutWindowTest() : alarm(ProgramFolder() + "/Alarm01.wav") {
        madeAlarm = !QFile::exists(alarm.fileName()) && alarm.open(QIODevice::WriteOnly);
    }
    ~AboutWindowTest() override {
        if (madeAlarm)
            alarm.remove();
    }

    QFile alarm;
    bool madeAlarm = false;
    platform::fake::FakePlatform fake;
};

TEST_F(AboutWindowTest, ShowsTheProgramOverTheGradientAndPlaysTheAlarm) {
    AboutWindow w(nullptr);
    EXPECT_EQ(fake.sound->played.size(), 1);
    EXPECT_TRUE(fake.sound->played.value(0).endsWith("/Alarm01.wav"));
    EXPECT_EQ(w.objectName(), "frm_About");
    EXPECT_EQ(w.windowTitle(), "About Pathwick.");
    EXPECT_EQ(w.lab_AppName->text(), "Pathwick");
    EXPECT_TRUE(w.lab_AppName->font().bold());
    EXPECT_TRUE(w.lab_AppTitle->text().startsWith('('));
    EXPECT_TRUE(w.lab_AppInfo->text().startsWith("Version;  0.01.0016 (30/03/2025 -  9:50am)\n"));
    EXPECT_FALSE(w.lab_AppInfo->text().contains('\r'));
    EXPECT_EQ(w.com_OK->text(), "&OK");
    w.resize(400, 333);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.lab_AppTitle->geometry().left() >= w.lab_AppName->geometry().right(), true);
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, 0), White);
    const QColor bottom = shot.pixelColor(shot.width() - 1, shot.height() - 1);
    EXPECT_EQ(bottom, QColor(192, 129, 4));
}

TEST_F(AboutWindowTest, OkEscapeAndPauseClose) {
    const std::function<void(AboutWindow&)> closers[] = {
        [](AboutWindow& w) { QTest::mouseClick(w.com_OK, Qt::LeftButton); },
        [](AboutWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](AboutWindow& w) { QTest::keyClick(&w, Qt::Key_Pause); },
        [](AboutWindow& w) { QTest::keyClick(w.com_OK, Qt::Key_Pause); },
        [](AboutWindow& w) { QTest::keyClick(w.com_OK, Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        AboutWindow w(nullptr);
        w.show();
        close(w);
        EXPECT_FALSE(w.isVisible());
    }
}

} // namespace
} // namespace pathwick::test
