#include "MainWindowFixture.h"
#include "shutdown/ShutdownCountdown.h"
#include "shutdown/ShutdownFixture.h"
#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QTemporaryDir>

namespace pathwick::test {
namespace {

// The main window as a new user starts it, with the recorder as the system's shutdown
// command, a clock the test moves and a system that has nothing pending.
class MainWindowShutdownTest : public MainWindowTest {
protected:
    std::shared_ptr<FakeClock> clock =
        std::make_shared<FakeClock>(QDateTime(QDate(2026, 12, 5), QTime(15, 0)));
    std::shared_ptr<FakeProbe> probe = std::make_shared<FakeProbe>();
    QTemporaryDir records;
    ScopedEnvironment environment;

    void SetUp() override {
        MainWindowTest::SetUp();
        if (!qEnvironmentVariable("PATHWICK_SHUTDOWN_COMMAND").endsWith("recorder.sh"))
            GTEST_SKIP() << "run through scripts/test.sh, which names the recorder";
        environment.set("PATHWICK_RECORD_FILE", records.filePath("recorded.txt").toUtf8());
        environment.unset("PATHWICK_RECORDER_FAIL");
        installShutdownServices({nullptr, probe, clock});
    }
    void TearDown() override { installShutdownServices({}); }

    QStringList recorded() const {
        QFile file(records.filePath("recorded.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList calls;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty())
                calls << QString::fromUtf8(line.mid(line.indexOf('\t') + 1));
        return calls;
    }
    static ShutdownController& controller(MainWindow& window) {
        return *window.findChild<ShutdownController*>();
    }
    static bool startItemsEnabled(MainWindow& window) {
        const ShutdownMenu& menu = window.menu().shutdown;
        for (QAction* item : menu.times)
            if (!item->isEnabled())
                return false;
        return menu.timeString->isEnabled() && menu.options->isEnabled() &&
               menu.help->isEnabled() && !menu.abort->isEnabled();
    }
};

TEST_F(MainWindowShutdownTest, OneHourCountsDownAndTheAbortRestoresTheMenus) {
    auto window = makeWindow();
    window->show();
    QCoreApplication::processEvents();
    const ShutdownMenu& menu = window->menu().shutdown;
    EXPECT_TRUE(startItemsEnabled(*window));
    EXPECT_EQ(menu.display->text(), "Shutdown timer is off");

    menu.times.at(0)->trigger();
    EXPECT_EQ(recorded(), QStringList{"-c"});
    clock->advanceMinutes(1);
    controller(*window).countdown().tick();
    EXPECT_EQ(menu.display->text(), "59 minutes untli 4:00pm");
    EXPECT_TRUE(window->findChild<QWidget*>("picShutdownWarning")->isVisible());
    EXPECT_FALSE(menu.times.at(0)->isEnabled());

    {
        ModalAnswers answers;
        menu.abort->trigger();
        EXPECT_EQ(answers.only().text, "Computer shutdown has been aborted.");
    }
    EXPECT_TRUE(startItemsEnabled(*window));
    EXPECT_FALSE(window->findChild<QWidget*>("picShutdownWarning")->isVisible());
}

TEST_F(MainWindowShutdownTest, ClosingDuringACountdownAsksFirst) {
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow();
    window->show();
    window->menu().shutdown.times.at(1)->trigger();
    {
        ModalAnswers answers;
        answers.press(QMessageBox::No);
        EXPECT_FALSE(window->close());
        EXPECT_EQ(answers.only().title, "Pathwick - Close warning: 5:00pm");
        EXPECT_TRUE(answers.only().text.contains("the computer will not turn off at; "));
        EXPECT_EQ(answers.only().defaultButton, QMessageBox::No);
    }
    EXPECT_TRUE(window->isVisible());
    {
        ModalAnswers answers;
        answers.press(QMessageBox::Yes);
        EXPECT_TRUE(window->close());
    }
}

// The controller test covers refusals and malformed requests; here the window hands them on.
TEST_F(MainWindowShutdownTest, ARequestOnTheCommandLineStartsTheCountdown) {
    auto window = makeWindow("?HoursMinutes=1:30");
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(controller(*window).countdown().minutesLeft(), 90);
    EXPECT_EQ(window->menu().shutdown.display->text(), "90 minutes untli 4:30pm");
}

TEST_F(MainWindowShutdownTest, APendingSystemShutdownIsAskedAboutAtStartUp) {
    probe->answer = true;
    ModalAnswers answers;
    answers.click(0);
    auto window = makeWindow();
    EXPECT_EQ(answers.only().title, "Pathwick - Shutdown /a");
    EXPECT_EQ(answers.only().buttonCaptions, (QStringList{"&Yes", "&Ignore"}));
    EXPECT_EQ(recorded(), QStringList{"-c"});
}

} // namespace
} // namespace pathwick::test
