#include "MainWindowFixture.h"
#include "shutdown/ShutdownFixture.h"

namespace pathwick::test {
namespace {

// The controller's own tests cover its rules; here the window hands it the command line, its
// menus and picture, and asks it before closing.
TEST_F(MainWindowTest, ACommandLineCountdownShowsAndGuardsTheClose) {
    installShutdownServices(
        {std::make_shared<FakeShutdownCommand>(), std::make_shared<FakeProbe>(),
         std::make_shared<FakeClock>(QDateTime(QDate(2026, 12, 5), QTime(15, 0)))});
    write(catalogue::HotKeysRunning, false);
    auto window = makeWindow("?HoursMinutes=1:30");
    window->show();
    QCoreApplication::processEvents();
    const ShutdownMenu& menu = window->menu().shutdown;
    auto* warning = window->findChild<QWidget*>("picShutdownWarning");
    EXPECT_EQ(menu.display->text(), "90 minutes untli 4:30pm");
    EXPECT_TRUE(warning->isVisible());
    EXPECT_FALSE(menu.times.at(0)->isEnabled());
    EXPECT_TRUE(menu.abort->isEnabled());
    ModalAnswers answers;
    answers.press(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(answers.only().title, "Pathwick - Close warning: 4:30pm");
    installShutdownServices({});
}

} // namespace
} // namespace pathwick::test
