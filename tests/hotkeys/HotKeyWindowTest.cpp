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

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
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
    template <typename T = QAbstractButton> T* child(const char* name, int index = 0) const {
        return window->findChildren<T*>(name).value(index);
    }
    QLineEdit* keyBox() const { return child<QLineEdit>("txt_KeyNumber"); }
    QLineEdit* commandBox() const { return child<QLineEdit>("txt_RunLoadCommand"); }
    QPlainTextEdit* sendBox() const { return child<QPlainTextEdit>("txt_RunLoadCommand"); }
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

// The window opens on what is stored and saves it when it closes (Pause closes it too).
TEST_F(HotKeyWindowTest, OpensOnTheStoredSettingsAndClosingSavesThem) {
    writeSmallNumber(keyPathOf(catalogue::HotKeysDefaultType), "HotKeysDefalutType", 5);
    WriteSetting("HKEY_CURRENT_USER", catalogue::RunKey, "Pathwick", "S",
                 "/somewhere/pathwick #hidden ");
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryHourIndex", 6);
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryHours", 7);
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryMinutes", 5);
    environment.set("XDG_SESSION_TYPE", "wayland");
    open();
    EXPECT_TRUE(hotKeyWindowShown());
    EXPECT_EQ(keyBox()->text(), "112");
    EXPECT_TRUE(sendBox()->isVisible());
    EXPECT_TRUE(child<QLabel>("lab_WaylandNotice")->isVisible());
    EXPECT_TRUE(child("chk_RunAppAtBootup")->isChecked());
    EXPECT_TRUE(child<QMenu>("menu_StartPrograms")->menuAction()->isVisible());
    QMenu* boot = child<QMenu>("menu_BootOptions");
    EXPECT_TRUE(boot->actions().at(0)->isChecked());
    QTest::mouseClick(child<QLabel>("lab_RunOptions"), Qt::LeftButton);
    EXPECT_EQ(boot->actions().at(1)->text(), "Re-boot at 7:05am (Every day)");
    boot->close();
    const int sendHeight = window->height();
    child("opt_HotkeyType", 0)->click();
    EXPECT_TRUE(commandBox()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->height() < sendHeight; }, 1000));
    QTest::keyClick(commandBox(), Qt::Key_Pause);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(hotKeyWindowShown());
    EXPECT_EQ(readDefaultHotKeyType(), HotKeyType::Command);
    EXPECT_EQ(rebootRestarts, 1);
    EXPECT_EQ(readRunAtLoginEntry(), QCoreApplication::applicationFilePath() + " #Hidden");
    EXPECT_TRUE(QFile::exists(autostartFilePath()));

    open();
    child("chk_RunAppAtBootup")->click();
    EXPECT_FALSE(child<QMenu>("menu_StartPrograms")->menuAction()->isVisible());
    window->close();
    EXPECT_EQ(readRunAtLoginEntry(), "");
    EXPECT_FALSE(QFile::exists(autostartFilePath()));

    // The user's own entry of that name, as the desktop's start-up tools make it, stays.
    QFile own(autostartFilePath());
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("[Desktop Entry]\nType=Application\nName=Pathwick\nExec=pathwick %f\n");
    own.close();
    open();
    window->close();
    EXPECT_TRUE(QFile::exists(autostartFilePath()));
}

// The key box takes digits only, its rules follow the number, and the red dot shows while
// exactly the combination is held.
TEST_F(HotKeyWindowTest, KeyBoxAndRedDotFollowTheNumber) {
    open();
    EXPECT_EQ(child<QLabel>("lab_WaylandNotice"), nullptr);
    typeKey("1a7-");
    EXPECT_EQ(keyBox()->text(), "17");
    EXPECT_FALSE(child("chk_ShiftKey")->isEnabled());
    // Editing keys still work; Delete comes with the text 0x7f from the X server.
    keyBox()->setFocus();
    keyBox()->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(keyBox(), &del);
    EXPECT_EQ(keyBox()->text(), "7");
    QTest::keyClick(keyBox(), Qt::Key_Tab);
    EXPECT_NE(window->focusWidget(), keyBox());
    // A long description beside it leaves the whole number in sight.
    typeKey("11301");
    QCoreApplication::processEvents();
    EXPECT_GE(keyBox()->width(), keyBox()->fontMetrics().horizontalAdvance(keyBox()->text()));
    typeKey("112");
    child("chk_CtrlKey")->click();
    const QObject* dot = child<QObject>("Shape1");
    fakes.keys->down = {112, 17};
    EXPECT_TRUE(QTest::qWaitFor([&] { return dot->property("filled").toBool(); }, 1000));
    fakes.keys->down = {112, 17, 16};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dot->property("filled").toBool(); }, 1000));
}

// Saving stores the name as composed; changing the combination shows what is stored for it;
// deleting asks first. A send text is kept with Windows line breaks, and its test opens it
// expanded, in UTF-8, in the text editor; a command is tried as a hot key runs it.
TEST_F(HotKeyWindowTest, SaveShowDeleteAndTest) {
    open();
    typeKey("065");
    child("chk_ShiftKey")->click();
    commandBox()->setText("  gedit  ");
    child("com_EditHotkey")->click();
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "gedit");
    EXPECT_EQ(readHotKeyValue("65_Command_Shift"), "");

    commandBox()->setText("unsaved");
    child("chk_ShiftKey")->click();
    EXPECT_EQ(commandBox()->text(), "");
    child("chk_ShiftKey")->click();
    EXPECT_EQ(commandBox()->text(), "gedit");

    ModalAnswers answers;
    answers.press(QMessageBox::No).press(QMessageBox::Yes);
    child("com_DeleteHotkey")->click();
    EXPECT_EQ(
        answers.seen().value(0).text,
        "Are you sure you wish to delete the kotkey :\r\nA + Shift?\r\n\r\nCommand:\r\ngedit");
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "gedit");
    child("com_DeleteHotkey")->click();
    EXPECT_EQ(readHotKeyValue("065_Command_Shift"), "");

    commandBox()->setText("gedit --new-window");
    fakes.shell->result = platform::ShellResult::FileNotFound;
    child("com_TestCommand")->click();
    EXPECT_EQ(answers.seen().size(), 3);
    EXPECT_EQ(fakes.shell->targets(), (QStringList{"gedit --new-window", "gedit"}));

    fakes.shell->calls.clear();
    fakes.shell->result = platform::ShellResult::Success;
    child("opt_HotkeyType", 1)->click();
    sendBox()->setPlainText(" Hi {[username]}\n\né ");
    child("com_EditHotkey")->click();
    EXPECT_EQ(readHotKeyValue("065_Send_Shift"), " Hi {[username]}\r\n\r\né ");
    child("com_TestCommand")->click();
    QFile file(sendTestFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), " Hi ann\r\n\r\né \r\n");
    file.remove();
    ASSERT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(fakes.shell->calls.at(0).parameters, '"' + file.fileName() + '"');
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
    child("opt_HotkeyType", 1)->click();
    drop(sendBox()->viewport(), {text.fileName()});
    EXPECT_EQ(sendBox()->toPlainText(), "Dear Ann,\nBye");
    EXPECT_EQ(answers.seen().size(), 1);
}

} // namespace
} // namespace pathwick::hotkeys
