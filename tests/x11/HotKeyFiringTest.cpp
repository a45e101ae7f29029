#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeyWindowShown.h"
#include "platform/Platform.h"
#include "support/ModalDialogs.h"
#include "support/TempStore.h"

#include <QTimer>

// After Qt: the X headers define names (Status, Bool) that Qt headers use.
#include "TextReceivers.h"
#include "X11TestDisplay.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

using namespace pathwick;
using namespace pathwick::hotkeys;
using namespace pathwick::test;

using HotKeyFiringTest = X11TestDisplay;

// The real poller, store, key state and keystroke sender; keys come from the test's own X
// connection, a separate client.
TEST_F(HotKeyFiringTest, SendTypesIntoAQtWindowWhileTheHotKeyIsHeld) {
    // A message would mean the text was not typed; it is answered so the test cannot hang.
    ModalAnswers noMessage;
    TempStore store;
    const QString sent =
        QString::fromUtf8("Dear Ann,\r\n\tthe price is 5 € (not 6); é ß 🙂 日本\r\nBye\nX");
    writeHotKeyValue("65_Send_Shift_Ctrl", HotKeyType::Send, sent);
    StoreHotKeyTable table;
    DesktopHotKeyActions actions;
    HotKeyPoller poller{
        table, platform::keys(), actions, {hotKeyWindowShown, [] { return false; }}};
    poller.setRunning(true);
    QtReceiver receiver(qgetenv("PATHWICK_TEST_DISPLAY"), asReceived(sent).size());
    ASSERT_TRUE(receiver.waitReady());
    // Ctrl+Shift+A with Caps Lock on; the keys stay down until after the tick has fired.
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    press({XK_Control_L, XK_Shift_L, XK_a});
    QTimer::singleShot(600, [this] { releaseAll(); });
    QString received;
    qint64 doneNs = 0;
    EXPECT_TRUE(receiver.finish(received, doneNs));
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    EXPECT_EQ(received, asReceived(sent));
    // The sender takes its spare keys back a second later, before another test types.
    pumpUntil([] { return false; }, 1500);
    EXPECT_TRUE(noMessage.seen().isEmpty()) << noMessage.seen().value(0).text.toStdString();
}
