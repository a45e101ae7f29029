#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeyWindowShown.h"
#include "platform/Platform.h"
#include "support/LaunchRecorder.h"
#include "support/ModalDialogs.h"
#include "support/QtPrinting.h"
#include "support/TempStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

// After Qt: the X headers define names (Status, Bool) that Qt headers use.
#include "TextReceivers.h"
#include "X11TestDisplay.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

using namespace pathwick;
using namespace pathwick::hotkeys;
using namespace pathwick::test;

namespace {

const QString SentText =
    QString::fromUtf8("Dear Ann,\r\n\tthe price is 5 € (not 6); é ß 🙂 日本\r\nBye\nX");

// The real poller, store, key state, launcher and keystroke sender; keys come from the
// test's own X connection, a separate client, and launches reach the recording opener.
class HotKeyFiringTest : public X11TestDisplay {
protected:
    void SetUp() override {
        X11TestDisplay::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString program = scratch.filePath("my program");
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nout=program\nfor a in \"$@\"; do out=\"$out[$a]\"; done\n"
                   "printf '%s\\t%s\\n' \"$PATHWICK_LAUNCH_SEQUENCE\" \"$out\" >> "
                   "\"$PATHWICK_RECORD_FILE\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        writeHotKeyValue("112_Command", HotKeyType::Command, "https://example.org/F1");
        writeHotKeyValue("113_Command", HotKeyType::Command, "https://example.org/F2");
        writeHotKeyValue("114_Command", HotKeyType::Command,
                         '"' + program + "\" --flag \"two words\" ;echo $(id)");
        writeHotKeyValue("160_Command", HotKeyType::Command, "https://example.org/LeftShift");
        writeHotKeyValue("65_Send_Shift_Ctrl", HotKeyType::Send, SentText);
        poller.setRunning(true);
    }
    void TearDown() override {
        if (display) {
            releaseAll();
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
            XSync(display, False);
        }
        EXPECT_TRUE(noMessage.seen().isEmpty()) << noMessage.seen().value(0).text.toStdString();
        X11TestDisplay::TearDown();
    }

    // Lets the poller run for a while with the keys as they are.
    void ticks(int count) {
        pumpUntil([] { return false; }, count * HotKeyPoller::IntervalMs);
    }

    // A message would mean a command did not start; it is answered so the test cannot hang.
    ModalAnswers noMessage;
    TempStore store;
    QTemporaryDir scratch;
    LaunchRecorder recorder;
    StoreHotKeyTable table;
    DesktopHotKeyActions actions;
    HotKeyPoller poller{
        table, platform::keys(), actions, {hotKeyWindowShown, [] { return false; }}};
};

} // namespace

TEST_F(HotKeyFiringTest, SendTypesIntoAnXlibWindowWhileTheHotKeyIsHeld) {
    XlibReceiver receiver(display);
    // Ctrl+Shift+A with Caps Lock on; the keys stay down until after the tick has fired.
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    press({XK_Control_L, XK_Shift_L, XK_a});
    QTimer::singleShot(600, [this] { releaseAll(); });
    const QString expected = asReceived(SentText);
    pumpUntil([&] { return receiver.text.size() >= expected.size(); }, 10000,
              [&] { receiver.pump(); });
    ticks(3);
    receiver.pump();
    EXPECT_EQ(asReceived(receiver.text), expected);
}

TEST_F(HotKeyFiringTest, CommandsFireOncePerPressWithTheirArguments) {
    press({XK_F1});
    ticks(4);
    releaseAll();
    ticks(2);
    press({XK_F1});
    ticks(2);
    releaseAll();
    press({XK_F3});
    ticks(2);
    releaseAll();
    EXPECT_EQ(recorder.launches(3), (QStringList{"https://example.org/F1", "https://example.org/F1",
                                             "program[--flag][two words][;echo][$(id)]"}));
}

// Both entries fire on every tick while both are held; the later one's command is run.
TEST_F(HotKeyFiringTest, TwoHeldCombinationsAlternate) {
    press({XK_F1, XK_F2});
    ticks(5);
    releaseAll();
    const QStringList runs = recorder.launches(4);
    EXPECT_GE(runs.size(), 4);
    EXPECT_EQ(runs.count("https://example.org/F2"), runs.size());
}

TEST_F(HotKeyFiringTest, ExtraOrOwnModifiersDoNotFire) {
    press({XK_Shift_L, XK_F1}); // Shift+F1 is not F1
    ticks(3);
    releaseAll();
    press({XK_Shift_L}); // Left Shift is also Shift, which 160_Command does not ask for
    ticks(3);
    releaseAll();
    ticks(1);
    EXPECT_FALSE(QFile::exists(recorder.file()));
}
