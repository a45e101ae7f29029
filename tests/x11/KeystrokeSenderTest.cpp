#include "TextReceivers.h"
#include "X11TestDisplay.h"

#include "platform/linux/X11KeystrokeSender.h"

#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace pathwick;
using namespace pathwick::test;
using Outcome = platform::KeystrokeSender::Outcome;

namespace {

// Printable ASCII, tab, the three line breaks, and a number of characters no US key types.
QString mixedText(int length, int withoutKey) {
    QStringList pieces = {"\t", "\r\n", "\n", "\r", QString::fromUtf8("🙂")};
    for (char16_t c = ' '; c <= '~'; ++c)
        pieces << QString(QChar(c));
    for (char16_t c = 0x4e00; c < 0x4e00 + withoutKey; ++c)
        pieces << QString(QChar(c));
    QString text;
    for (int i = 0; text.size() + 2 <= length; ++i)
        text += pieces.at((i * 7) % pieces.size());
    return text;
}

class KeystrokeSenderTest : public X11TestDisplay {
protected:
    void TearDown() override {
        if (display) {
            setHeld(false);
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
            QProcess::execute("setxkbmap", {"-display", qgetenv("PATHWICK_TEST_DISPLAY"), "us"});
        }
        X11TestDisplay::TearDown();
    }
    void setHeld(bool down) {
        for (KeySym key : {XK_Control_L, XK_Shift_L})
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), down, CurrentTime);
        XSync(display, False);
    }

    // Types text into a plain Xlib window and gives what it received.
    QString typeIntoXlib(const QString& text, Outcome* outcome = nullptr) {
        XlibReceiver receiver(display);
        bool done = false;
        sender.type(text, [&](Outcome o) {
            done = true;
            if (outcome)
                *outcome = o;
        });
        const auto pump = [&] { receiver.pump(); };
        pumpUntil([&] { return done && receiver.text.size() >= asReceived(text).size(); }, 30000,
                  pump);
        pumpUntil([] { return false; }, 50, pump); // anything extra would arrive at once
        return asReceived(receiver.text);
    }
    QString typeIntoQt(const QString& text) {
        QtReceiver receiver(qgetenv("PATHWICK_TEST_DISPLAY"), asReceived(text).size(), 60000);
        EXPECT_TRUE(receiver.waitReady());
        sender.type(text, {});
        QString received;
        qint64 doneNs = 0;
        EXPECT_TRUE(receiver.finish(received, doneNs, 70000));
        return received;
    }

    platform::X11KeystrokeSender sender;
};

} // namespace

// The long text has hundreds of characters no key types, and goes to Qt right after Xlib,
// while the keys bound for it are still bound.
TEST_F(KeystrokeSenderTest, TypesExactlyIntoXlibAndQtReceivers) {
    for (const QString& text : {QString("~ !Az\tTAB\r\nCRLF\rCR\nLF\r\n\r\n"),
                                QString::fromUtf8("é € ß 🙂 日本 é"), mixedText(2000, 300)}) {
        EXPECT_EQ(typeIntoXlib(text), asReceived(text));
        EXPECT_EQ(typeIntoQt(text), asReceived(text));
    }
}

TEST_F(KeystrokeSenderTest, GermanLayoutTypesAltGrCharacters) {
    QProcess::execute("setxkbmap", {"-display", qgetenv("PATHWICK_TEST_DISPLAY"), "de"});
    const QString text = QString::fromUtf8("@ € { } [ ] \\ ~ | µ äöüß ÄÖÜ zy 日本 ²³");
    EXPECT_EQ(typeIntoXlib(text), text);
    EXPECT_EQ(typeIntoQt(text), text);
}

// The hot key's own Ctrl and Shift are still down when typing starts, and Caps Lock is on:
// released in time, they are waited for; held on, they are let go; Caps Lock stays on.
TEST_F(KeystrokeSenderTest, HeldModifiersAndCapsLockChangeNothing) {
    const QString text = "Hello World, abc XYZ 123\tend";
    for (bool releaseSoon : {true, false}) {
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
        setHeld(true);
        if (releaseSoon)
            QTimer::singleShot(300, [this] { setHeld(false); });
        Outcome outcome = Outcome::NoDisplay;
        EXPECT_EQ(typeIntoXlib(text, &outcome), text) << releaseSoon;
        EXPECT_EQ(outcome, Outcome::Typed);
        XkbStateRec state{};
        XkbGetState(display, XkbUseCoreKbd, &state);
        EXPECT_TRUE(state.locked_mods & LockMask);
        setHeld(false);
    }
}

// Whole, however long; afterwards the spare keys are free again and the group is the same.
TEST_F(KeystrokeSenderTest, LongTextsAreTypedWholeAndTheLayoutRestored) {
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
    const QString text = mixedText(33000, 20);
    EXPECT_EQ(typeIntoXlib(text), asReceived(text));
    EXPECT_TRUE(pumpUntil([&] { return layout() == before; }, 20000));
}
