#include "MainWindowFixture.h"

#include "shutdown/ShutdownFixture.h"

namespace pathwick::test {
namespace {

// The help path entry is there only while Shift is held.
TEST_F(MainWindowTest, HelpPathEntryOnlyWhileShiftIsHeld) {
    auto window = std::make_unique<MainWindow>("");
    const MainMenu& menu = window->menu();
    for (const bool shift : {false, true}) {
        fakes.keys->down = {shift ? 16 : 17};
        emit menu.help.menu->aboutToShow();
        EXPECT_EQ(menu.help.helpPath->isSeparator(), !shift);
    }
}

// The controller's own tests cover its rules; here the window hands it the command line and its
// menus, and asks it before closing.
TEST_F(MainWindowTest, ACommandLineCountdownShowsAndGuardsTheClose) {
    installShutdownServices(
        {std::make_shared<FakeShutdownCommand>(), std::make_shared<FakeProbe>(),
         std::make_shared<FakeClock>(QDateTime(QDate(2026, 12, 5), QTime(15, 0)))});
    write(catalogue::HotKeysRunning, false);
    auto window = std::make_unique<MainWindow>("?HoursMinutes=1:30");
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->menu().shutdown.display->text(), "90 minutes untli 4:30pm");
    ModalAnswers answers;
    answers.press(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(answers.only().title, "Pathwick - Close warning: 4:30pm");
    installShutdownServices({});
}

} // namespace
} // namespace pathwick::test
