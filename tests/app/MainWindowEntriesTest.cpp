#include "MainWindowFixture.h"

#include "common/Version.h"
#include "shutdown/ShutdownFixture.h"

namespace pathwick::test {
namespace {

// Help opens the help file; the help path entry is there only while Shift is held and opens
// its window over the main window.
TEST_F(MainWindowTest, HelpEntriesOpenTheHelpFileAndTheHelpPathWindow) {
    auto window = std::make_unique<MainWindow>("");
    const MainMenu& menu = window->menu();
    menu.help.helpFile->trigger();
    EXPECT_EQ(fakes.shell->targets(), QStringList{ProgramFolder() + "/Help.doc"});
    for (const bool shift : {false, true}) {
        fakes.keys->down = {shift ? 16 : 17};
        emit menu.help.menu->aboutToShow();
        EXPECT_EQ(menu.help.helpPath->isSeparator(), !shift);
    }
    ModalAnswers answers;
    answers.cancel();
    menu.help.helpPath->trigger();
    EXPECT_EQ(answers.only().className, "pathwick::HelpPathWindow");
    EXPECT_EQ(answers.only().parent, window.get());
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
