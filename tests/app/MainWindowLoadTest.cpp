#include "MainWindowFixture.h"

#include "common/Twips.h"
#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, LoadShowsVersionListAndDesignState) {
    auto window = makeWindow();
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
    EXPECT_EQ(window->shutdownTimeText(), "--:--");
    EXPECT_FALSE(window->findChild<QWidget*>("picShutdownWarning")->isVisibleTo(window.get()));
    EXPECT_FALSE(action(*window, "menu_ShutdownAbort")->isEnabled());
    EXPECT_FALSE(timer(*window, "tim_ComputerShutdownTimer")->isActive());
    EXPECT_FALSE(timer(*window, "tim_Timer")->isActive());

    // Hot keys run by default.
    QAction* hotKeys = action(*window, "menu_HotKeysOnOff");
    EXPECT_TRUE(hotKeys->isChecked());
    EXPECT_EQ(hotKeys->text(), "&Global hot keys is running");
    EXPECT_TRUE(timer(*window, "tim_HotkeyTimer")->isActive());
    EXPECT_EQ(timer(*window, "tim_HotkeyTimer")->interval(), 200);
    EXPECT_FALSE(window->TestModeValue_valueGet());
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_FALSE(action(*window, "menu_HiddenMenuList")->isVisible());

    // An empty list shows the Documents line and counts it.
    EXPECT_EQ(window->listedCount(), 1);
    EXPECT_TRUE(displayText(*window).startsWith("Directory list.\n\t"));
    EXPECT_EQ(window->centralWidget(), display(*window));
    EXPECT_TRUE(display(*window)->isReadOnly());
    EXPECT_EQ(window->hostWidget(), window.get());
}

TEST_F(MainWindowTest, LoadFollowsStoredSettings) {
    write(catalogue::HotKeysRunning, false);
    write(catalogue::HotKeysTestmode, true);
    write(catalogue::ShowHiddenMenu, true);
    saveStoredEntries({"/a", "/b", "/c"}, QDateTime::currentDateTime());

    auto window = makeWindow();
    QAction* hotKeys = action(*window, "menu_HotKeysOnOff");
    EXPECT_FALSE(hotKeys->isChecked());
    EXPECT_EQ(hotKeys->text(), "&Global hot keys is disabled");
    EXPECT_FALSE(timer(*window, "tim_HotkeyTimer")->isActive());
    EXPECT_TRUE(window->TestModeValue_valueGet());
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_TRUE(action(*window, "menu_HiddenMenuList")->isEnabled());
    EXPECT_EQ(window->listedCount(), 3);

    write(catalogue::ShowHiddenMenu, false);
    write(catalogue::HotKeysRunning, true);
    window->Form_Load();
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(hotKeys->text(), "&Global hot keys is running");
    EXPECT_TRUE(timer(*window, "tim_HotkeyTimer")->isActive());
}

TEST_F(MainWindowTest, DriveMenuIsRebuiltWithoutDuplicates) {
    setDrives({"/", "/media/usb"});
    auto window = makeWindow();
    QList<QAction*> items = driveItems(*window);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items.at(0)->text(), "&All");
    EXPECT_TRUE(items.at(0)->isChecked());
    EXPECT_EQ(items.at(1)->text(), "&/");
    EXPECT_EQ(items.at(2)->text(), "&/media/usb");
    for (QAction* item : items) {
        EXPECT_TRUE(item->isVisible());
        EXPECT_TRUE(item->isEnabled());
        EXPECT_EQ(item->objectName(), "menu_DriveDisplayList");
    }
    EXPECT_FALSE(items.at(1)->isChecked());

    window->Form_Load();
    window->Form_Load();
    EXPECT_EQ(driveItems(*window).size(), 3);

    // A drive that went away is hidden; one that comes back reuses its item.
    setDrives({"/"});
    window->Form_Load();
    items = driveItems(*window);
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items.at(1)->isVisible());
    EXPECT_FALSE(items.at(2)->isVisible());

    setDrives({"/", "/home", "/media/usb"});
    window->menu_DislpayDrive_Click();
    items = driveItems(*window);
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items.at(2)->text(), "&/home");
    EXPECT_TRUE(items.at(3)->isVisible());
}

TEST_F(MainWindowTest, DriveChoiceFiltersTheListAndSetsTheCaption) {
    setDrives({"/", "/media/usb"});
    saveStoredEntries({"/media/usb/photos", "/srv/data", "/media/usb/music"},
                      QDateTime::currentDateTime());
    auto window = makeWindow();
    EXPECT_EQ(window->listedCount(), 3);

    driveItems(*window).at(2)->trigger();
    EXPECT_EQ(window->windowTitle(), "Pathwick - Drive /media/usb only");
    EXPECT_EQ(window->currentDrive(), "/media/usb");
    EXPECT_EQ(window->listedCount(), 2);
    EXPECT_TRUE(displayText(*window).startsWith("Directory list for drive /media/usb.\n"));
    QList<QAction*> items = driveItems(*window);
    EXPECT_FALSE(items.at(0)->isChecked());
    EXPECT_TRUE(items.at(2)->isChecked());
    // Triggering the checked item again keeps it checked.
    items.at(2)->trigger();
    EXPECT_TRUE(items.at(2)->isChecked());

    // Opening the sub-menu again keeps the check on the current drive.
    window->menu_DislpayDrive_Click();
    EXPECT_TRUE(items.at(2)->isChecked());
    EXPECT_FALSE(items.at(1)->isChecked());

    items.at(0)->trigger();
    EXPECT_EQ(window->windowTitle(), "Pathwick - All drives");
    EXPECT_EQ(window->currentDrive(), "");
    EXPECT_TRUE(items.at(0)->isChecked());
    EXPECT_FALSE(items.at(2)->isChecked());
    EXPECT_EQ(window->listedCount(), 3);

    // The load shows all drives again.
    items.at(2)->trigger();
    window->Form_Load();
    EXPECT_EQ(window->currentDrive(), "");
    EXPECT_TRUE(items.at(0)->isChecked());
    EXPECT_FALSE(items.at(2)->isChecked());
}

TEST_F(MainWindowTest, OpenDirectoriesEntryFollowsTheListedCount) {
    setDrives({"/", "/media/usb"});
    auto window = makeWindow();
    QAction* openDirs = action(*window, "menu_OpenDirs");
    window->menu_Menu_Click();
    EXPECT_EQ(openDirs->text(), "Open &Directory");
    EXPECT_TRUE(openDirs->isEnabled());

    driveItems(*window).at(2)->trigger();
    window->menu_Menu_Click();
    EXPECT_EQ(openDirs->text(), "No Directories listed");
    EXPECT_FALSE(openDirs->isEnabled());
    EXPECT_TRUE(displayText(*window).contains(
        "** There are no listed directories for drive /media/usb **"));

    QStringList many;
    for (int i = 0; i < 1234; ++i)
        many.append("/d" + QString::number(i));
    saveStoredEntries(many, QDateTime::currentDateTime());
    driveItems(*window).at(0)->trigger();
    window->menu_Menu_Click();
    EXPECT_EQ(openDirs->text(), "&Open Directories (1,234)");
    EXPECT_TRUE(openDirs->isEnabled());
}

TEST_F(MainWindowTest, HelpPathEntryAppearsOnlyWithShift) {
    auto window = makeWindow();
    QAction* helpPath = action(*window, "menu_HelpInfoPath");

    fakes.keys->down = {16};
    window->menu_Help_Click();
    EXPECT_EQ(action(*window, "menu_About")->text(), "&About Pathwick");
    EXPECT_FALSE(helpPath->isSeparator());
    EXPECT_EQ(helpPath->text(), "Help file &path\tMenu+shift");

    fakes.keys->down = {17};
    window->menu_Help_Click();
    EXPECT_TRUE(helpPath->isSeparator());
    EXPECT_TRUE(helpPath->text().isEmpty());
}

TEST_F(MainWindowTest, StatusFlashTogglesRedTenTicksAndEndsNormal) {
    auto window = makeWindow();
    QPlainTextEdit* box = display(*window);
    QTimer* flash = timer(*window, "tim_Timer");
    const QColor normalBack = box->palette().color(QPalette::Base);
    const QColor normalFore = box->palette().color(QPalette::Text);

    window->setWindowTitle("Can't open or find some directories:");
    window->startStatusFlash();
    EXPECT_EQ(window->flashCount(), 10);
    EXPECT_EQ(flash->interval(), 500);
    EXPECT_TRUE(flash->isActive());

    for (int tick = 1; tick <= 10; ++tick) {
        SCOPED_TRACE(tick);
        window->tim_Timer_Timer();
        EXPECT_EQ(window->flashCount(), 10 - tick);
        if (tick % 2 == 1) {
            EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 0, 0));
            EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 255, 255));
        } else {
            EXPECT_EQ(box->palette().color(QPalette::Base), normalBack);
            EXPECT_EQ(box->palette().color(QPalette::Text), normalFore);
        }
        if (tick < 10) {
            EXPECT_TRUE(flash->isActive());
            EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
        }
    }
    EXPECT_FALSE(flash->isActive());
    EXPECT_EQ(flash->interval(), 0);
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
}

TEST_F(MainWindowTest, ShutdownWarningKeepsToTheTopRightCorner) {
    auto window = makeWindow();
    window->resize(640, 480);
    window->show();
    QWidget* warning = window->findChild<QWidget*>("picShutdownWarning");
    const QRect client = display(*window)->geometry();
    EXPECT_EQ(warning->x(),
              client.right() + 1 - twipsToPixels(320, window.get()) - warning->width());
    EXPECT_EQ(warning->y(), client.top() + twipsToPixels(120, window.get()));

    window->resize(800, 500);
    const QRect wider = display(*window)->geometry();
    EXPECT_EQ(warning->x(),
              wider.right() + 1 - twipsToPixels(320, window.get()) - warning->width());
    window->hide();
}
