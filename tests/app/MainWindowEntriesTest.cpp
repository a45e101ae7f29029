#include "MainWindowFixture.h"

#include "common/Version.h"
#include "shutdown/ShutdownFixture.h"

namespace pathwick::test {
namespace {

// The Help, hidden tool and hot key entries open their windows over the main window.
TEST_F(MainWindowTest, EntriesOpenTheHelpFileAndTheirWindows) {
    auto window = std::make_unique<MainWindow>("");
    const MainMenu& menu = window->menu();
    menu.help.helpFile->trigger();
    EXPECT_EQ(fakes.shell->targets(), QStringList{ProgramFolder() + "/Help.doc"});

    ModalAnswers answers;
    answers.cancel().cancel().press(QMessageBox::Ok).cancel();
    menu.help.about->trigger();
    // The help path entry is there only while Shift is held.
    for (const bool shift : {false, true}) {
        fakes.keys->down = {shift ? 16 : 17};
        emit menu.help.menu->aboutToShow();
        EXPECT_EQ(menu.help.helpPath->isSeparator(), !shift);
    }
    menu.help.helpPath->trigger();
    menu.toDoList->trigger();
    menu.hotKeys.settings->trigger();
    QStringList shown;
    for (const SeenModal& modal : answers.seen()) {
        shown << modal.className;
        EXPECT_EQ(modal.parent, window.get()) << modal.className.toStdString();
    }
    EXPECT_EQ(shown, (QStringList{"pathwick::AboutWindow", "pathwick::HelpPathWindow",
                                  "QMessageBox", "pathwick::hotkeys::HotKeyWindow"}));
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
