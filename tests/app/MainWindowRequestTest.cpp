#include "MainWindowFixture.h"

#include "common/MessageWindow.h"
#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"

#include <QLabel>
#include <QPushButton>

using namespace pathwick;
using test::MainWindowTest;

namespace {

struct EditorSeen {
    int shown = 0;
    QString command;
    bool doItWhileOpen = true;
};

// Records that the directory-list editor came up and closes it.
test::ModalWatcher editorCloser(frm_MainWindow& window, EditorSeen& seen) {
    return test::ModalWatcher([&window, &seen](QWidget* modal) {
        if (modal->inherits("pathwick::frm_Options")) {
            ++seen.shown;
            seen.command = window.GetCommand();
            seen.doItWhileOpen = window.GetDoItFlag();
        }
        modal->close();
    });
}

} // namespace

TEST_F(MainWindowTest, HiddenInAnyCaseStartsMinimisedAndOpensNothing) {
    for (const QString line : {"#Hidden", "#hidden", " \"#HIDDEN\" "}) {
        SCOPED_TRACE(line.toStdString());
        auto window = makeWindow(line);
        EditorSeen seen;
        test::ModalWatcher watcher = editorCloser(*window, seen);
        window->Form_Activate();
        EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(watcher.seen(), 0);
        EXPECT_EQ(window->GetCommand(), "");
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
}

TEST_F(MainWindowTest, OtherTextOpensTheEditorOnceWithTheCommandLine) {
    for (const QString line : {"#Hidden more", "\"/home/me/My Folder\"", "/srv/data"}) {
        SCOPED_TRACE(line.toStdString());
        auto window = makeWindow(line);
        window->SetDoItFlag(true);
        EditorSeen seen;
        {
            test::ModalWatcher watcher = editorCloser(*window, seen);
            window->Form_Activate();
        }
        EXPECT_EQ(seen.shown, 1);
        EXPECT_EQ(seen.command, line);
        EXPECT_FALSE(seen.doItWhileOpen);
        EXPECT_FALSE(window->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(window->GetCommand(), "");

        // Later activations start nothing again.
        test::ModalWatcher later([](QWidget* modal) { modal->close(); });
        window->Form_Activate();
        QCoreApplication::processEvents();
        EXPECT_EQ(later.seen(), 0);
    }
}

TEST_F(MainWindowTest, EditorFromTheCommandLineRefreshesOnlyTheList) {
    auto window = makeWindow("/srv/data");
    test::ModalWatcher watcher([&](QWidget* modal) {
        write(catalogue::ShowHiddenMenu, true);
        saveStoredEntries({"/srv/data"}, QDateTime::currentDateTime());
        window->SetDoItFlag(true);
        modal->close();
    });
    window->Form_Activate();
    EXPECT_EQ(watcher.seen(), 1);
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(display(*window)->toPlainText(), "Directory list.\n\t/srv/data\n");
}

TEST_F(MainWindowTest, ShutdownRequestsAreReportedAsNotAvailable) {
    for (const QString line : {"?HoursMinutes=90", "?datetime=9:00"}) {
        auto window = makeWindow(line);
        test::MessageBoxAnswer ok;
        window->Form_Activate();
        EXPECT_TRUE(ok.shown);
        EXPECT_EQ(ok.title, "Pathwick - Command line:");
        EXPECT_TRUE(ok.text.startsWith("Shutdown requests on the command line are not available"));
        EXPECT_FALSE(timer(*window, "tim_ComputerShutdownTimer")->isActive());
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
}

TEST_F(MainWindowTest, ShownWindowRunsTheRequestOnItsOwn) {
    auto window = makeWindow("#Hidden");
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->GetCommand(), "");
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    window->hide();
}

TEST_F(MainWindowTest, SettingsMenuReloadsOnlyAfterTheEditorSaved) {
    auto window = makeWindow();
    window->SetDoItFlag(true);
    {
        test::ModalWatcher watcher([&](QWidget* modal) {
            EXPECT_TRUE(modal->inherits("pathwick::frm_Options"));
            EXPECT_EQ(modal->parentWidget(), window.get());
            EXPECT_FALSE(window->GetDoItFlag());
            write(catalogue::ShowHiddenMenu, true);
            modal->close();
        });
        action(*window, "menu_Settings")->trigger();
        EXPECT_EQ(watcher.seen(), 1);
    }
    EXPECT_FALSE(window->hiddenMenuVisible());

    {
        test::ModalWatcher watcher([&](QWidget* modal) {
            saveStoredEntries({"/one", "/two"}, QDateTime::currentDateTime());
            window->SetDoItFlag(true);
            modal->close();
        });
        action(*window, "menu_Settings")->trigger();
    }
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_EQ(window->listedCount(), 2);
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
}
