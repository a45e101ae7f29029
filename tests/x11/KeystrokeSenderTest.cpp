#include "TextReceivers.h"
#include "X11TestDisplay.h"

#include "platform/linux/X11KeystrokeSender.h"

#include <optional>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

using namespace pathwick;
using namespace pathwick::test;
using Outcome = platform::KeystrokeSender::Outcome;

namespace {

class KeystrokeSenderTest : public X11TestDisplay {
protected:
    void TearDown() override {
        if (display) {
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
            QProcess::execute("setxkbmap", {"-display", qgetenv("PATHWICK_TEST_DISPLAY"), "us"});
        }
        X11TestDisplay::TearDown();
    }

    // Types text into a Qt text box of another process; gives what it received, once the
    // sender has said how the typing went.
    QString typeIntoQt(const QString& text) {
        QtReceiver receiver(qgetenv("PATHWICK_TEST_DISPLAY"), asReceived(text).size(), 60000);
        EXPECT_TRUE(receiver.waitReady());
        outcome.reset();
        sender.type(text, [this](Outcome o) { outcome = o; });
        QString received;
        qint64 doneNs = 0;
        EXPECT_TRUE(receiver.finish(received, doneNs, 70000));
        EXPECT_TRUE(pumpUntil([this] { return outcome.has_value(); }, 10000));
        return received;
    }

    std::optional<Outcome> outcome;
    platform::X11KeystrokeSender sender;
};

} // namespace

// Each text goes to a new receiver while the keys bound for the one before are still bound
// (the mixed one twice, so the second finds its own characters bound); it has every
// printable ASCII character, the line breaks and 300 characters no key types. Afterwards the spare
// keys are free again and the group is the same. German characters come from the AltGr level.
TEST_F(KeystrokeSenderTest, TypesExactlyAndRestoresTheLayout) {
    const auto layout = [this] {
        int first = 0, last = 0, perKeycode = 0;
        XDisplayKeycodes(display, &first, &last);
        KeySym* mapping = XGetKeyboardMapping(display, first, last - first + 1, &perKeycode);
        const std::vector<KeySym> symbols(mapping, mapping + (last - first + 1) * perKeycode);
        XFree(mapping);
        XkbStateRec state{};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return std::make_pair(symbols, int(state.group));
    };
    const auto before = layout();
    QString mixed;
    for (int i = 0; i < 300; ++i)
        mixed += QChar(u' ' + i % 95) + QString::fromUtf8(i % 25 ? "" : "\t\r\n🙂\n\r") +
                 QChar(0x4e00 + i);
    for (const QString& text : {QString("~ !Az\tTAB\r\nCRLF\rCR\nLF\r\n\r\n"),
                                QString::fromUtf8("é € ß 🙂 日本 é"), mixed, mixed})
        EXPECT_EQ(typeIntoQt(text), asReceived(text));
    EXPECT_TRUE(pumpUntil([&] { return layout() == before; }, 20000));

    QProcess::execute("setxkbmap", {"-display", qgetenv("PATHWICK_TEST_DISPLAY"), "de"});
    const QString german = QString::fromUtf8("@ € { } [ ] \\ ~ | µ äöüß ÄÖÜ zy 日本 ²³");
    EXPECT_EQ(typeIntoQt(german), german);
}

// The hot key's own Ctrl and Shift are still held on when typing starts, and Caps Lock is
// on: they are let go, and Caps Lock stays on. (Keys released in time are waited for: the
// hot key firing test.)
TEST_F(KeystrokeSenderTest, HeldModifiersAndCapsLockChangeNothing) {
    const QString text = "Hello World, abc XYZ 123\tend";
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    press({XK_Control_L, XK_Shift_L});
    EXPECT_EQ(typeIntoQt(text), text);
    EXPECT_EQ(outcome, Outcome::Typed);
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    EXPECT_TRUE(state.locked_mods & LockMask);
}
