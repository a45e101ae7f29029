#include "MainWindowFixture.h"

#include "common/MessageWindow.h"
#include "dirlist/DirectoryStore.h"
#include "support/ModalDialogs.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, FailedOpeningRunReportsAndFlashes) {
    const QString present = existingFolder("present");
    const QString missing = folders.filePath("missing");
    saveStoredEntries({present, missing}, QDateTime::currentDateTime());
    auto window = makeWindow();

    action(*window, "menu_OpenDirs")->trigger();
    EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
    const QString text = displayText(*window);
    EXPECT_TRUE(text.startsWith("Failed to open 1 out of 2 directories.\n"
                                "Click on Menu - Settings to edit list of directories.\n\n"
                                "Opening:\n"));
    EXPECT_TRUE(text.contains("Opened dir; \t" + present));
    EXPECT_TRUE(text.contains("Can't find; \t" + missing));
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_TRUE(timer(*window, "tim_Timer")->isActive());
    EXPECT_EQ(window->flashCount(), 10);
}

TEST_F(MainWindowTest, SuccessfulOpeningRunRestoresTheVersionCaption) {
    saveStoredEntries({existingFolder("a"), existingFolder("b")}, QDateTime::currentDateTime());
    auto window = makeWindow();
    window->setWindowTitle("Pathwick - All drives");

    window->menu_OpenDirs_Click();
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
    EXPECT_TRUE(displayText(*window).startsWith("Opening:\nOpened dir; \t"));
    EXPECT_EQ(fakes.shell->calls.size(), 2);
    EXPECT_FALSE(timer(*window, "tim_Timer")->isActive());
}

TEST_F(MainWindowTest, OpeningRunTakesOnlyTheChosenDrive) {
    setDrives({"/", folders.path()});
    const QString onDrive = existingFolder("here");
    saveStoredEntries({onDrive, "/nowhere/else"}, QDateTime::currentDateTime());
    auto window = makeWindow();

    driveItems(*window).at(2)->trigger();
    EXPECT_EQ(window->listedCount(), 1);
    window->menu_OpenDirs_Click();
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
    EXPECT_FALSE(displayText(*window).contains("/nowhere/else"));
}

namespace {

struct CloseAllSeen {
    bool shown = false;
    QString caption;
    QString heading;
    QString message;
    QStringList buttons;
    QColor labels;
    QColor yes;
    QColor no;
};

test::ModalWatcher closeAllAnswer(int button, CloseAllSeen& seen,
                                  std::function<void()> beforeAnswer = {}) {
    return test::ModalWatcher([button, &seen, beforeAnswer](QWidget* modal) {
        auto* window = qobject_cast<frm_MessageWindow*>(modal);
        if (!window) {
            modal->close();
            return;
        }
        seen.shown = true;
        seen.caption = window->windowTitle();
        seen.heading = window->lab_MsgTitle->text();
        seen.message = window->lab_MainMessage->text();
        for (QPushButton* b : window->com_Button) {
            if (b->isVisible())
                seen.buttons.append(b->text());
        }
        seen.labels = window->lab_MainMessage->palette().color(QPalette::WindowText);
        seen.yes = window->com_Button.at(0)->palette().color(QPalette::Button);
        seen.no = window->com_Button.at(1)->palette().color(QPalette::Button);
        if (beforeAnswer)
            beforeAnswer();
        window->com_Button.at(button)->click();
    });
}

} // namespace

TEST_F(MainWindowTest, CloseAllDirectoriesAsksAndDoesNothingOnNo) {
    auto window = makeWindow();
    CloseAllSeen seen;
    {
        test::ModalWatcher watcher = closeAllAnswer(1, seen);
        action(*window, "menu_CloseExplorer")->trigger();
    }
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Pathwick - Close all directories:");
    EXPECT_EQ(seen.heading, "Close all directory windows on all drives?");
    EXPECT_EQ(seen.message.remove('\r'),
              "Are you sure you wish to close all directory windows on all drives?\n\n"
              "Close all directory windows by closing Explorer?");
    EXPECT_EQ(seen.buttons, (QStringList{"&Close explorer", "Do &NOT close"}));
    EXPECT_EQ(seen.labels, QColor(128, 0, 0));
    EXPECT_EQ(seen.yes, QColor(255, 176, 176));
    EXPECT_EQ(seen.no, QColor(191, 255, 191));
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
    EXPECT_EQ(fakes.folderWindows->closeAllCalls, 0);
}

TEST_F(MainWindowTest, CloseAllDirectoriesEndsAndRestartsTheFileManager) {
    auto window = makeWindow();
    QTimer* wait = timer(*window, "tim_ComShutdownReadFile");
    CloseAllSeen seen;
    // Half-way through the wait the file manager is ended but not started again.
    int callsDuringWait = -1;
    bool waitRunning = false;
    QTimer probe;
    probe.setSingleShot(true);
    probe.setInterval(150);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        callsDuringWait = int(fakes.shell->calls.size());
        waitRunning = wait->isActive() && wait->interval() == 300;
    });
    {
        test::ModalWatcher watcher = closeAllAnswer(0, seen, [&probe] { probe.start(); });
        window->menu_CloseExplorer_Click();
    }
    EXPECT_EQ(callsDuringWait, 1);
    EXPECT_TRUE(waitRunning);
    EXPECT_FALSE(wait->isActive());
    EXPECT_EQ(wait->interval(), 0);
    // The platform maps the two commands to closing the desktop's folder windows.
    ASSERT_EQ(fakes.shell->calls.size(), 2);
    EXPECT_EQ(fakes.shell->calls.at(0).target, "taskkill");
    EXPECT_EQ(fakes.shell->calls.at(0).parameters, "-f -im explorer.exe");
    EXPECT_EQ(fakes.shell->calls.at(1).target, "C:\\WINDOWS\\explorer.exe");
    EXPECT_EQ(fakes.shell->calls.at(1).parameters, "");
    for (const auto& call : fakes.shell->calls)
        EXPECT_EQ(call.mode, platform::ShowMode::Minimised);
}
