#include "MainWindowFixture.h"

#include "common/Version.h"

namespace pathwick::test {
namespace {

// The Help entries and the hidden tools reach their windows from the main window's menus.
TEST_F(MainWindowTest, HelpEntriesOpenTheHelpFileTheirWindowsAndTheHiddenTools) {
    auto window = makeWindow();
    const MainMenu& menu = window->menu();
    for (QAction* entry : {menu.help.helpFile, menu.help.about, menu.loadLampwatch})
        EXPECT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();

    menu.help.helpFile->trigger();
    EXPECT_EQ(fakes.shell->targets(), QStringList{ProgramFolder() + "/Help.doc"});

    ModalAnswers answers;
    answers.cancel().cancel();
    menu.help.about->trigger();
    fakes.keys->down = {16};
    emit menu.help.menu->aboutToShow();
    EXPECT_FALSE(menu.help.helpPath->isSeparator());
    EXPECT_TRUE(menu.help.helpPath->isEnabled());
    menu.help.helpPath->trigger();
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[0].className, "pathwick::AboutWindow");
    EXPECT_EQ(answers.seen()[0].parent, window.get());
    EXPECT_EQ(answers.seen()[1].className, "pathwick::HelpPathWindow");
}

TEST_F(MainWindowTest, HiddenToolsFollowTheSetting) {
    for (const bool shown : {false, true}) {
        write(catalogue::ShowHiddenMenu, shown);
        auto window = makeWindow();
        const MainMenu& menu = window->menu();
        EXPECT_EQ(window->hiddenMenuVisible(), shown);
        EXPECT_EQ(menu.hiddenMenuList->menuAction()->isEnabled(), shown);
        for (QAction* tool : {menu.taskManager, menu.toDoList, menu.testCode})
            EXPECT_TRUE(tool->isEnabled());
    }
    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    makeWindow()->menu().toDoList->trigger();
    EXPECT_EQ(answers.only().title, "Pathwick - Things to do:");
}

} // namespace
} // namespace pathwick::test
