#include "TextReceivers.h"
#include "X11TestDisplay.h"
#include "support/QtPrinting.h"

#include "platform/linux/X11KeystrokeSender.h"

#include <QProcess>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace pathwick;
using namespace pathwick::test;
using Outcome = platform::KeystrokeSender::Outcome;

namespace {

QString printableAscii() {
    QString text;
    for (char c = ' '; c <= '~'; ++c)
        text += QChar(c);
    return text;
}

// Mixed text of a given length: every printable ASCII character, tabs and the three kinds
// of line break, and characters no US key types; never half a character.
QString mixedText(int length) {
    QStringList pieces;
    for (QChar c : printableAscii())
        pieces.append(c);
    pieces << "\t"
           << "\r\n"
           << "\n"
           << "\r";
    for (const char* other : {"é", "€", "ß", "🙂", "日", "本", "Ω", "λ", "Å", "ñ"})
        pieces.append(QString::fromUtf8(other));
    QString text;
    for (int i = 0;; ++i) {
        const QString& piece = pieces.at((i * 7) % pieces.size());
        if (text.size() + piece.size() > length)
            break;
        text += piece;
    }
    return text;
}

class KeystrokeSenderTest : public X11TestDisplay {
protected:
    void TearDown() override {
        if (display) {
            for (KeyCode key : held_)
                XTestFakeKeyEvent(display, key, False, CurrentTime);
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
            XSync(display, False);
            if (changedLayout_)
                setLayout("us");
        }
        X11TestDisplay::TearDown();
    }

    void setLayout(const char* layout) {
        changedLayout_ = true;
        QProcess::execute("setxkbmap", {"-display", qgetenv("PATHWICK_TEST_DISPLAY"), layout});
    }
    void hold(KeySym keysym) {
        const KeyCode key = XKeysymToKeycode(display, keysym);
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XSync(display, False);
        held_.push_back(key);
    }
    void releaseHeld() {
        for (KeyCode key : held_)
            XTestFakeKeyEvent(display, key, False, CurrentTime);
        XSync(display, False);
        held_.clear();
    }
    void capsLock(bool on) {
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XSync(display, False);
    }
    bool capsLockOn() {
        XkbStateRec state{};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return state.locked_mods & LockMask;
    }

    // Types text into a plain Xlib window and gives what it received.
    QString typeIntoXlib(const QString& text, Outcome* outcome = nullptr) {
        XlibReceiver receiver(display);
        EXPECT_TRUE(receiver.usable());
        const qsizetype expected = asReceived(text).size();
        bool done = false;
        sender.type(text, [&](Outcome o) {
            done = true;
            if (outcome)
                *outcome = o;
        });
        pumpUntil([&] { return done && receiver.text.size() >= expected; }, 20000,
                  [&] { receiver.pump(); });
        // Anything extra would arrive at once.
        pumpUntil([] { return false; }, 50, [&] { receiver.pump(); });
        return asReceived(receiver.text);
    }

    QString typeIntoQt(const QString& text) {
        QtReceiver receiver(qgetenv("PATHWICK_TEST_DISPLAY"), asReceived(text).size());
        EXPECT_TRUE(receiver.waitReady());
        sender.type(text, {});
        QString received;
        qint64 doneNs = 0;
        EXPECT_TRUE(receiver.finish(received, doneNs));
        return received;
    }

    platform::X11KeystrokeSender sender;
    std::vector<KeyCode> held_;
    bool changedLayout_ = false;
};

} // namespace

TEST_F(KeystrokeSenderTest, TypesExactlyIntoXlibAndQtReceivers) {
    // A Qt receiver still loses characters when hundreds of spare keys are bound for one
    // text (issue 7 stays open for it), so the long mixed text is checked in Xlib only.
    const struct {
        const char* name;
        QString text;
        bool intoQt;
    } cases[] = {
        {"ascii", printableAscii() + "\tTAB\r\nCRLF\rCR\nLF\r\n\r\n", true},
        {"no US key", QString::fromUtf8("é € ß 🙂 日本 é"), true},
        {"2,000 mixed characters", mixedText(2000), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(typeIntoXlib(c.text), asReceived(c.text));
        if (c.intoQt)
            EXPECT_EQ(typeIntoQt(c.text), asReceived(c.text));
    }
}

TEST_F(KeystrokeSenderTest, GermanLayoutTypesAltGrCharacters) {
    setLayout("de");
    const QString text = QString::fromUtf8("@ € { } [ ] \\ ~ | µ äöüß ÄÖÜ zy 日本 ²³");
    EXPECT_EQ(typeIntoXlib(text), text);
    EXPECT_EQ(typeIntoQt(text), text);
}

// The hot key's own Ctrl and Shift are still down when typing starts, and Caps Lock is on:
// released in time, they are waited for; held on, they are let go; Caps Lock stays on.
TEST_F(KeystrokeSenderTest, HeldModifiersAndCapsLockChangeNothing) {
    const QString text = "Hello World, abc XYZ 123\tend";
    for (bool releaseSoon : {true, false}) {
        SCOPED_TRACE(releaseSoon ? "released after 300 ms" : "held throughout");
        capsLock(true);
        hold(XK_Control_L);
        hold(XK_Shift_L);
        if (releaseSoon)
            QTimer::singleShot(300, [this] { releaseHeld(); });
        Outcome outcome = Outcome::NoDisplay;
        EXPECT_EQ(typeIntoXlib(text, &outcome), text);
        EXPECT_EQ(outcome, Outcome::Typed);
        EXPECT_TRUE(capsLockOn());
        releaseHeld();
    }
}

TEST_F(KeystrokeSenderTest, TextsLongerThan32767CharactersAreTypedWhole) {
    const QString text = mixedText(33000);
    EXPECT_EQ(typeIntoXlib(text), asReceived(text));
}

// Bindings of spare keys are taken back once the receivers have had time to read them.
TEST_F(KeystrokeSenderTest, SpareKeysAreFreedAfterwards) {
    int first = 0, last = 0;
    XDisplayKeycodes(display, &first, &last);
    auto boundKeys = [&] {
        int perKeycode = 0;
        KeySym* mapping = XGetKeyboardMapping(display, first, last - first + 1, &perKeycode);
        int bound = 0;
        for (int i = 0; i < (last - first + 1) * perKeycode; ++i)
            bound += mapping[i] != NoSymbol;
        XFree(mapping);
        return bound;
    };
    const int before = boundKeys();
    EXPECT_EQ(typeIntoXlib(QString::fromUtf8("日本🙂")), QString::fromUtf8("日本🙂"));
    EXPECT_GT(boundKeys(), before);
    pumpUntil([&] { return boundKeys() == before; }, 5000);
    EXPECT_EQ(boundKeys(), before);
}
