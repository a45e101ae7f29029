#include "MainWindowFixture.h"

#include <QScreen>

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, CommandLineRequestRunsOnceWhenTheWindowFirstShows) {
    const QString notAvailable = "Pathwick - Command line: Shutdown requests on the command line "
                                 "are not available in this version.";
    const struct {
        const char* line;
        bool minimised;
        QString shows; // "editor" shows the command the editor reads
    } cases[] = {
        {"#Hidden", true, ""},
        {"#hidden", true, ""},
        {" \"#HIDDEN\" ", true, ""},
        {"#Hidden more", false, "editor #Hidden more"},
        {"\"/home/me/My Folder\"", false, "editor \"/home/me/My Folder\""},
        {"?HoursMinutes=90", false, notAvailable},
        {"?datetime=9:00", false, notAvailable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        auto window = makeWindow(c.line);
        QString shown;
        {
            test::ModalWatcher watcher([&](QWidget* modal) {
                if (modal->inherits("pathwick::DirectoryListEditor"))
                    shown = "editor " + window->GetCommand();
                else if (auto* box = qobject_cast<QMessageBox*>(modal))
                    shown = box->windowTitle() + ' ' + box->text().section('\r', 0, 0);
                modal->close();
            });
            window->show();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(shown, c.shows);
        EXPECT_EQ(bool(window->windowState() & Qt::WindowMinimized), c.minimised);
        EXPECT_EQ(window->GetCommand(), "");
        EXPECT_FALSE(timer(*window, "tim_ComputerShutdownTimer")->isActive());

        test::ModalWatcher later([](QWidget* modal) { modal->close(); });
        window->Form_Activate();
        QCoreApplication::processEvents();
        EXPECT_EQ(later.seen(), 0);
        window->hide();
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
}

TEST_F(MainWindowTest, EditorFromTheCommandLineRefreshesOnlyTheList) {
    auto window = makeWindow("/srv/data");
    test::ModalWatcher watcher([&](QWidget* modal) {
        write(catalogue::ShowHiddenMenu, true);
        saveList({"/srv/data"});
        window->SetDoItFlag(true);
        modal->close();
    });
    window->Form_Activate();
    EXPECT_EQ(watcher.seen(), 1);
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(displayText(*window), "Directory list.\n\t/srv/data\n");
}

// The window manager places the main window after its first showing; the editor opened for a
// folder given on the command line is centred on the screen all the same.
TEST_F(MainWindowTest, TheEditorOpenedAtStartIsCentredOnTheScreen) {
    auto window = makeWindow("/srv/data");
    QPoint centre;
    {
        test::ModalWatcher watcher([&](QWidget* modal) {
            centre = modal->frameGeometry().center();
            modal->close();
        });
        window->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(watcher.seen(), 1);
    }
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 40)
        << centre.x() << ',' << centre.y() << " on a screen centred at " << screenCentre.x() << ','
        << screenCentre.y();
    window->hide();
}

TEST_F(MainWindowTest, SettingsMenuReloadsOnlyAfterTheEditorSaved) {
    auto window = makeWindow();
    window->SetDoItFlag(true);
    const auto runEditor = [&](bool saves) {
        test::ModalWatcher watcher([&](QWidget* modal) {
            EXPECT_TRUE(modal->inherits("pathwick::DirectoryListEditor"));
            EXPECT_EQ(modal->parentWidget(), window.get());
            EXPECT_FALSE(window->GetDoItFlag());
            write(catalogue::ShowHiddenMenu, true);
            saveList({"/one", "/two"});
            window->SetDoItFlag(saves);
            modal->close();
        });
        action(*window, "menu_Settings")->trigger();
        EXPECT_EQ(watcher.seen(), 1);
    };
    runEditor(false);
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(window->listedCount(), 1);
    runEditor(true);
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_EQ(window->listedCount(), 2);
}
