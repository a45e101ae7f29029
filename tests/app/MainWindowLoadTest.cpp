#include "MainWindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace pathwick;
using test::MainWindowTest;

TEST_F(MainWindowTest, LoadSetsTheDesignStateAndFollowsStoredSettings) {
    auto window = makeWindow();
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
    EXPECT_TRUE(display(*window)->isReadOnly());
    EXPECT_EQ(timer(*window, "tim_HotkeyTimer")->interval(), 200);
    // Defaults first (an empty list shows the Documents line), then a load over stored values
    // with a countdown pending, then the hidden menu switched off again.
    const struct {
        bool store, hotKeys, testMode, hiddenMenu;
        int listed;
    } loads[] = {
        {false, true, false, false, 1}, {true, false, true, true, 3}, {true, true, true, false, 3}};
    for (const auto& load : loads) {
        SCOPED_TRACE(&load - loads);
        if (load.store) {
            write(catalogue::HotKeysRunning, load.hotKeys);
            write(catalogue::HotKeysTestmode, load.testMode);
            write(catalogue::ShowHiddenMenu, load.hiddenMenu);
            saveList({"/a", "/b", "/c"});
            timer(*window, "tim_ComputerShutdownTimer")->start(60000);
            window->Form_Load();
        }
        EXPECT_EQ(window->shutdownTimeText(), "--:--");
        EXPECT_FALSE(timer(*window, "tim_ComputerShutdownTimer")->isActive());
        EXPECT_FALSE(window->findChild<QWidget*>("picShutdownWarning")->isVisibleTo(window.get()));
        EXPECT_FALSE(action(*window, "menu_ShutdownAbort")->isEnabled());
        QAction* hotKeys = action(*window, "menu_HotKeysOnOff");
        EXPECT_EQ(hotKeys->isChecked(), load.hotKeys);
        EXPECT_EQ(hotKeys->text(),
                  load.hotKeys ? "&Global hot keys is running" : "&Global hot keys is disabled");
        EXPECT_EQ(timer(*window, "tim_HotkeyTimer")->isActive(), load.hotKeys);
        EXPECT_EQ(window->TestModeValue_valueGet(), load.testMode);
        EXPECT_EQ(window->hiddenMenuVisible(), load.hiddenMenu);
        EXPECT_EQ(action(*window, "menu_HiddenMenuList")->isEnabled(), load.hiddenMenu);
        EXPECT_EQ(window->listedCount(), load.listed);
        EXPECT_TRUE(displayText(*window).startsWith("Directory list.\n\t"));
    }
}

// A wrapped entry would go on at the left edge, where it reads as another entry; a long one
// stays on its line and the box scrolls sideways to it.
TEST_F(MainWindowTest, ALongEntryKeepsOneLineInTheInformationBox) {
    saveList({"/" + QString(40, 'x').repeated(8), "/short"});
    auto window = makeWindow();
    window->show();
    QPlainTextEdit* box = display(*window);
    QTextDocument* document = box->document();
    ASSERT_EQ(document->blockCount(), 4);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
    EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
    window->hide();
}

TEST_F(MainWindowTest, DriveMenuChoosesTheListedDriveAndIsRebuiltWithoutDuplicates) {
    setDrives({"/", "/media/usb", "/mnt/empty"});
    saveList({"/media/usb/photos", "/srv/data", "/media/usb/music"});
    auto window = makeWindow();
    QAction* openDirs = action(*window, "menu_OpenDirs");
    // Every item's caption, after "*" when checked and "-" when hidden.
    const auto items = [&] {
        QStringList shown;
        for (QAction* item : driveItems(*window)) {
            EXPECT_EQ(item->objectName(), "menu_DriveDisplayList");
            shown << QString(item->isChecked() ? "*" : "") + (item->isVisible() ? "" : "-") +
                         item->text();
        }
        return shown;
    };
    const auto choose = [&](int index) {
        driveItems(*window).at(index)->trigger();
        window->menu_Menu_Click();
    };
    window->Form_Load();
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "&/media/usb", "&/mnt/empty"}));

    choose(2);
    EXPECT_EQ(window->windowTitle(), "Pathwick - Drive /media/usb only");
    EXPECT_EQ(window->currentDrive(), "/media/usb");
    EXPECT_EQ(window->listedCount(), 2);
    EXPECT_EQ(openDirs->text(), "&Open Directories (2)");
    // Choosing the checked drive again, or opening the sub-menu, keeps the check.
    choose(2);
    window->menu_DislpayDrive_Click();
    EXPECT_EQ(items(), (QStringList{"&All", "&/", "*&/media/usb", "&/mnt/empty"}));

    choose(3);
    EXPECT_EQ(openDirs->text(), "No Directories listed");
    EXPECT_FALSE(openDirs->isEnabled());
    choose(0);
    EXPECT_EQ(window->windowTitle(), "Pathwick - All drives");
    EXPECT_EQ(window->listedCount(), 3);
    EXPECT_TRUE(openDirs->isEnabled());

    // A load shows all drives again and hides drives that went away; their items are reused.
    choose(2);
    setDrives({"/"});
    window->Form_Load();
    EXPECT_EQ(window->currentDrive(), "");
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "-&/media/usb", "-&/mnt/empty"}));
    setDrives({"/", "/home", "/media/usb"});
    window->menu_DislpayDrive_Click();
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "&/home", "&/media/usb"}));
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
    QTimer* flash = timer(*window, "tim_Timer");
    const auto colours = [&] {
        const QPalette palette = display(*window)->palette();
        return std::pair(palette.color(QPalette::Base), palette.color(QPalette::Text));
    };
    const auto normal = colours();
    window->setWindowTitle("Can't open or find some directories:");
    window->startStatusFlash();
    EXPECT_EQ(flash->interval(), 500);
    for (int tick = 1; tick <= 10; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_TRUE(flash->isActive());
        EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
        window->tim_Timer_Timer();
        EXPECT_EQ(colours(),
                  tick % 2 ? std::pair(QColor(255, 0, 0), QColor(255, 255, 255)) : normal);
    }
    EXPECT_FALSE(flash->isActive());
    EXPECT_EQ(flash->interval(), 0);
    EXPECT_EQ(window->windowTitle(), "Pathwick - version 0.01.0016");
}
