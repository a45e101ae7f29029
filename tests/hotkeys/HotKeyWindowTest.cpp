#include "hotkeys/HotKeyWindow.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeyWindowShown.h"
#include "hotkeys/RunAtLogin.h"
#include "hotkeys/SendTest.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "support/ModalDialogs.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace pathwick::hotkeys {
namespace {

using test::ModalAnswers;

class HotKeyWindowTest : public ::testing::Test {
protected:
    HotKeyWindowTest() {
        environment.set("XDG_CONFIG_HOME", store.folder().toUtf8() + "/config");
        environment.set("USER", "ann");
        environment.unset("XDG_SESSION_TYPE");
    }

    void open() {
        window = std::make_unique<HotKeyWindow>(
            HotKeyWindowHooks{[this] { ++rebootRestarts; }, [](QWidget*) {}}, nullptr);
        window->show();
    }
    template <typename T = QWidget> T* child(const char* name, int index = 0) const {
        const QList<T*> all = window->findChildren<T*>(name);
        return index < all.size() ? all.at(index) : nullptr;
    }
    QLineEdit* keyBox() const { return child<QLineEdit>("txt_KeyNumber"); }
    QLineEdit* commandBox() const { return child<QLineEdit>("txt_RunLoadCommand"); }
    QPlainTextEdit* sendBox() const { return child<QPlainTextEdit>("txt_RunLoadCommand"); }
    QAbstractButton* button(const char* name, int index = 0) const {
        return child<QAbstractButton>(name, index);
    }
    void typeKey(const QString& number) {
        keyBox()->clear();
        QTest::keyClicks(keyBox(), number);
    }
    static void drop(QWidget* target, const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls.append(QUrl::fromLocalFile(file));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    test::TempStore store;
    test::ScopedEnvironment environment;
    platform::fake::FakePlatform fakes;
    std::unique_ptr<HotKeyWindow> window;
    int rebootRestarts = 0;
};

TEST_F(HotKeyWindowTest, OpensOnTheStoredTypeAndPauseClosesSavingIt) {
    writeSmallNumber(keyPathOf(catalogue::HotKeysDefaultType), "HotKeysDefalutType", 5);
    open();
    EXPECT_TRUE(hotKeyWindowShown());
    EXPECT_EQ(keyBox()->text(), "112");
    EXPECT_TRUE(sendBox()->isVisible());
    EXPECT_EQ(child<QLabel>("lab_WaylandNotice"), nullptr);
    child<QRadioButton>("opt_HotkeyType", 0)->click();
    EXPECT_TRUE(commandBox()->isVisible());
    QTest::keyClick(commandBox(), Qt::Key_Pause);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(hotKeyWindowShown());
    EXPECT_EQ(readDefaultHotKeyType(), HotKeyType::Command);
    EXPECT_EQ(rebootRestarts, 1);

    // Wayland sessions are told what works.
    environment.set("XDG_SESSION_TYPE", "wayland");
    open();
    const QLabel* notice = child<QLabel>("lab_WaylandNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
}

// The key box takes digits only, its rules follow the number, and the red dot shows while
// exactly the combination is held.
TEST_F(HotKeyWindowTest, KeyBoxAndRedDotFollowTheNumber) {
    open();
    typeKey("1a7-");
    EXPECT_EQ(keyBox()->text(), "17");
    EXPECT_FALSE(button("chk_ShiftKey")->isEnabled());

    // A click in the box disables it for a moment, then gives it the focus.
    QTest::mouseClick(keyBox(), Qt::LeftButton);
    EXPECT_FALSE(keyBox()->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyBox()->isEnabled(); }, 1000));

    typeKey("112");
    child<QCheckBox>("chk_CtrlKey")->click();
    const QObject* dot = child<QObject>("Shape1");
    const auto dotAfterTick = [&](QSet<int> down) {
        fakes.keys->down = down;
        QTest::qWait(450);
        return dot->property("filled").toBool();
    };
    EXPECT_TRUE(dotAfterTick({112, 17}));
    EXPECT_FALSE(dotAfterTick({112, 17, 16}));
    EXPECT_FALSE(dotAfterTick({112}));
}

// Saving stores the name as composed; changing the combination shows what is stored for it;
// deleting asks first.
TEST_F(HotKeyWindowTest, SaveShowAndDeleteTheComposedName) {
    open();
    typeKey("065");
    child<QCheckBox>("chk_ShiftKey")->click();
    commandBox()->setText("  gedit  ");
    button("com_EditHotkey")->click();
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "gedit");
    EXPECT_EQ(readHotKeyValue("65_Command_Shift"), "");

    commandBox()->setText("unsaved");
    child<QCheckBox>("chk_ShiftKey")->click();
    EXPECT_EQ(commandBox()->text(), "");
    child<QCheckBox>("chk_ShiftKey")->click();
    EXPECT_EQ(commandBox()->text(), "gedit");

    {
        ModalAnswers answers;
        answers.press(QMessageBox::No);
        button("com_DeleteHotkey")->click();
        EXPECT_EQ(answers.only().text, "Are you sure you wish to delete the kotkey :\r\nA + Shift?"
                                       "\r\n\r\nCommand:\r\ngedit");
    }
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "gedit");
    {
        ModalAnswers answers;
        answers.press(QMessageBox::Yes);
        button("com_DeleteHotkey")->click();
    }
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "");
    EXPECT_EQ(commandBox()->text(), "gedit");

    // A send text is kept exactly, blanks included, with Windows line breaks.
    child<QRadioButton>("opt_HotkeyType", 1)->click();
    sendBox()->setPlainText(" Dear Ann,\n\nBye ");
    button("com_EditHotkey")->click();
    EXPECT_EQ(readHotKeyValue("065_Send_Shift"), " Dear Ann,\r\n\r\nBye ");
    child<QRadioButton>("opt_HotkeyType", 0)->click();
    child<QRadioButton>("opt_HotkeyType", 1)->click();
    EXPECT_EQ(sendBox()->toPlainText(), " Dear Ann,\n\nBye ");
}

// A send text opens, expanded, in the text editor; a command is tried as a hot key runs it.
TEST_F(HotKeyWindowTest, TestButtonOpensTheSendTextOrTriesTheCommand) {
    open();
    child<QRadioButton>("opt_HotkeyType", 1)->click();
    sendBox()->setPlainText("Hi {[username]}\né");
    button("com_TestCommand")->click();
    const QString path = sendTestFilePath();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "Hi ann\r\né\r\n");
    file.remove();
    ASSERT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(fakes.shell->calls.at(0).parameters, '"' + path + '"');

    child<QRadioButton>("opt_HotkeyType", 0)->click();
    fakes.shell->calls.clear();
    commandBox()->setText("  BEEP ");
    button("com_TestCommand")->click();
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
    commandBox()->setText("gedit --new-window");
    fakes.shell->result = platform::ShellResult::FileNotFound;
    ModalAnswers answers;
    button("com_TestCommand")->click();
    EXPECT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(fakes.shell->targets(), (QStringList{"gedit --new-window", "gedit"}));
}

// Each box checks the drop by its own rule, all files of it at once.
TEST_F(HotKeyWindowTest, DroppedFilesFillTheBoxesOrAreRefused) {
    QFile text(store.folder() + "/letter.txt");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("\nDear Ann,\nBye\n");
    text.close();
    open();
    ModalAnswers answers;
    drop(commandBox(), {"/usr/bin/env"});
    drop(commandBox(), {text.fileName(), "/usr/bin/env"});
    EXPECT_EQ(commandBox()->text(), "/usr/bin/env");
    child<QRadioButton>("opt_HotkeyType", 1)->click();
    drop(sendBox()->viewport(), {text.fileName()});
    EXPECT_EQ(sendBox()->toPlainText(), "Dear Ann,\nBye");
    EXPECT_EQ(answers.seen().size(), 1);
}

TEST_F(HotKeyWindowTest, RunAtLoginIsReadOnOpenAndWrittenOnClose) {
    WriteSetting("HKEY_CURRENT_USER", catalogue::RunKey, "Pathwick", "S",
                 "/somewhere/pathwick #hidden ");
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryHourIndex", 6);
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryHours", 7);
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryMinutes", 5);
    open();
    EXPECT_TRUE(child<QCheckBox>("chk_RunAppAtBootup")->isChecked());
    QMenu* boot = child<QMenu>("menu_BootOptions");
    EXPECT_TRUE(boot->actions().at(0)->isChecked());
    QTest::mouseClick(child<QLabel>("lab_RunOptions"), Qt::LeftButton);
    EXPECT_EQ(boot->actions().at(1)->text(), "Re-boot at 7:05am (Every day)");
    boot->close();

    EXPECT_TRUE(child<QMenu>("menu_StartPrograms")->menuAction()->isVisible());
    window->close();
    EXPECT_EQ(readRunAtLoginEntry(), QCoreApplication::applicationFilePath() + " #Hidden");
    EXPECT_TRUE(QFile::exists(autostartFilePath()));

    open();
    child<QCheckBox>("chk_RunAppAtBootup")->click();
    EXPECT_FALSE(child<QMenu>("menu_StartPrograms")->menuAction()->isVisible());
    window->close();
    EXPECT_EQ(readRunAtLoginEntry(), "");
    EXPECT_FALSE(QFile::exists(autostartFilePath()));
}

} // namespace
} // namespace pathwick::hotkeys
