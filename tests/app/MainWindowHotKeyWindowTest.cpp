#include "MainWindowFixture.h"

#include <QAction>
#include <QMenu>

using namespace pathwick;
using test::MainWindowTest;
using test::ModalAnswers;

// The hot key settings entry opens the hot key window over the main window; its boot options
// open the re-boot schedule over the hot key window.
TEST_F(MainWindowTest, HotKeySettingsOpenTheHotKeyWindowAndItsBootOptionsTheSchedule) {
    auto window = makeWindow();
    const HotKeyMenu& entries = window->menu().hotKeys;
    for (QAction* entry : {entries.settings, entries.exportKeys, entries.importKeys})
        EXPECT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();

    QString scheduleTitle;
    QWidget* scheduleOwner = nullptr;
    ModalAnswers answers;
    answers.handle([&](QWidget* hotKeyWindow) {
        ModalAnswers inner;
        inner.cancel();
        hotKeyWindow->findChild<QAction*>("menu_RunAtSettings")->trigger();
        scheduleTitle = inner.only().title;
        scheduleOwner = inner.only().parent;
        hotKeyWindow->close();
    });
    entries.settings->trigger();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.only().title, "Global hot key settings:");
    EXPECT_EQ(answers.only().parent, window.get());
    EXPECT_TRUE(scheduleTitle.startsWith("Bootup time:")) << scheduleTitle.toStdString();
    ASSERT_NE(scheduleOwner, nullptr);
    EXPECT_EQ(scheduleOwner->objectName(), "frm_HotkeySettings");
}
