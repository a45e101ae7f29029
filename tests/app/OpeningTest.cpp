#include "MainWindowFixture.h"

#include <QDir>

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, OpeningRunTakesTheChosenDriveAndFlashesOnlyOnFailure) {
    setDrives({"/", folders.path()});
    const QString present = folders.filePath("present");
    ASSERT_TRUE(QDir().mkpath(present));
    saveList({present, "/nowhere/else"});
    auto window = makeWindow();
    window->setWindowTitle("Pathwick - All drives");

    driveItems(*window).at(2)->trigger();
    action(*window, "menu_OpenDirs")->trigger();
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
    EXPECT_EQ(displayText(*window), "Opening:\nOpened dir; \t" + present + "\n");
    EXPECT_FALSE(timer(*window, "tim_Timer")->isActive());

    driveItems(*window).at(0)->trigger();
    window->menu_OpenDirs_Click();
    EXPECT_EQ(fakes.shell->calls.size(), 2);
    EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
    EXPECT_TRUE(displayText(*window).startsWith("Failed to open 1 out of 2 directories.\n"));
    EXPECT_TRUE(timer(*window, "tim_Timer")->isActive());
    EXPECT_EQ(window->flashCount(), 10);
}

TEST_F(MainWindowTest, CloseAllDirectoriesAsksThenEndsAndRestartsTheFileManager) {
    auto window = makeWindow();
    {
        test::MessageWindowAnswer no(1);
        action(*window, "menu_CloseExplorer")->trigger();
        EXPECT_TRUE(no.shown);
        EXPECT_EQ(no.caption, "Pathwick - Close all directories:");
        EXPECT_EQ(no.heading, "Close all directory windows on all drives?");
        EXPECT_EQ(no.message,
                  "Are you sure you wish to close all directory windows on all drives?\n\n"
                  "Close all directory windows by closing Explorer?");
        EXPECT_EQ(no.buttons, (QStringList{"&Close explorer", "Do &NOT close"}));
        EXPECT_EQ(no.labelColour, QColor(128, 0, 0));
        EXPECT_EQ(no.buttonColours, (QList<QColor>{QColor(255, 176, 176), QColor(191, 255, 191)}));
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
    EXPECT_EQ(fakes.folderWindows->closeAllCalls, 0);

    // While the wait runs, the file manager is ended but not started again.
    QTimer* wait = timer(*window, "tim_ComShutdownReadFile");
    qsizetype callsDuringWait = -1;
    int waitInterval = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!wait->isActive())
            return;
        callsDuringWait = fakes.shell->calls.size();
        waitInterval = wait->interval();
    });
    probe.start(10);
    {
        test::MessageWindowAnswer yes(0);
        window->menu_CloseExplorer_Click();
    }
    EXPECT_EQ(callsDuringWait, 1);
    EXPECT_EQ(waitInterval, 300);
    EXPECT_FALSE(wait->isActive());
    EXPECT_EQ(wait->interval(), 0);
    // The platform maps the two commands to closing the desktop's folder windows.
    QStringList calls;
    for (const auto& call : fakes.shell->calls)
        calls << call.target + " [" + call.parameters + "] " +
                     QString::number(int(call.mode == platform::ShowMode::Minimised));
    EXPECT_EQ(calls,
              (QStringList{"taskkill [-f -im explorer.exe] 1", "C:\\WINDOWS\\explorer.exe [] 1"}));
}
