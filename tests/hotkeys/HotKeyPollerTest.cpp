#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyTick.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "support/QtPrinting.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

// Writes the values as they are, blanks around a command included.
void storeTable(const QList<std::pair<QString, QString>>& values) {
    for (const auto& [name, data] : values)
        WriteSetting("HKEY_LOCAL_MACHINE", hotKeysKeyPath(), name, "S", data);
}

// Logs what fired, one line each; a message can run code while it is "open", as a modal box
// would, and typing can be left unfinished until the test finishes it.
class RecordingActions : public HotKeyActions {
public:
    QStringList log;
    int openResult = 42;
    std::function<void()> whileMessageOpen;
    std::function<void()> typingDone;
    bool finishTypingAtOnce = true;

    void showMessage(const TickMessage& message) override {
        log.append("message " + message.text);
        if (whileMessageOpen)
            whileMessageOpen();
    }
    int open(const Launch& launch) override {
        log.append("open " + launch.target + '|' + launch.parameters);
        return openResult;
    }
    void playAlarm() override { log.append("alarm"); }
    void type(const QString& text, std::function<void()> done) override {
        log.append("type " + text);
        if (finishTypingAtOnce)
            done();
        else
            typingDone = done;
    }
    QString expand(const QString& text) override { return QString(text).replace("{[x]}", "X"); }
};

struct PollerFixture : testing::Test {
    test::TempStore store;
    StoreHotKeyTable table;
    platform::fake::FakeKeyState keys;
    RecordingActions actions;
    bool windowShown = false;
    bool testMode = false;
    HotKeyPoller poller{
        table, keys, actions, {[this] { return windowShown; }, [this] { return testMode; }}};

    void press(const QSet<int>& held) {
        keys.down = held;
        poller.tick();
    }
};

} // namespace

// Which entry fires, and what it does.
TEST_F(PollerFixture, WhichEntryFires) {
    const struct {
        const char* name;
        QList<std::pair<QString, QString>> table;
        QSet<int> keys;
        QStringList log;
    } cases[] = {
        // clang-format off
        {"missing Shift prevents the match", {{"112_Command_Shift", "xterm"}}, {112}, {}},
        {"Shift+F1 is not F1", {{"112_Command", "xterm"}}, {112, 16}, {}},
        {"Left Shift is Shift too", {{"160_Command", "xterm"}}, {160, 16}, {}},
        {"blank command does nothing", {{"65_Command", "   "}}, {65}, {}},
        {"blank text is typed", {{"65_Send", "   "}}, {65}, {"type    "}},
        {"command and send for one key", {{"65_Command", "xterm"}, {"65_Send", "hi"}}, {65},
         {"message " + conflictMessage("A", "xterm", "hi").text}},
        {"065 and 65 are one key, the later one wins", {{"065_Command", "a"}, {"65_Command", "b"}},
         {65}, {"open b|"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempStore rowStore;
        storeTable(c.table);
        poller.clearLastFired();
        actions.log.clear();
        press(c.keys);
        EXPECT_EQ(actions.log, c.log);
    }
}

// The command keeps its last 35 characters and the text its first 35, never half an emoji.
TEST(TickMessages, TextsAsAssembled) {
    const QString emoji = QString::fromUtf8("🙂");
    const QString command = "/opt/a-long-folder/" + emoji + QString(34, 'c');
    const QString text = "first line\r\nsecond\nthird\rtail" + emoji + "cut";
    const TickMessage conflict = conflictMessage("A+Ctrl", command, text);
    EXPECT_TRUE(conflict.text.contains("\r\nCommand;\t" + emoji + QString(34, 'c') + "\r\n"));
    EXPECT_TRUE(conflict.text.contains("\r\nSend to;\t\tfirst line - second - third - tail" +
                                       emoji + "\r\n\r\n"));
    const TickMessage cantFind = cantFindMessage(" gedit ");
    EXPECT_EQ(cantFind.text, "Can't find this application, directory or file.\r\nCheck the file "
                             "path and name are correct.\r\n\r\n gedit ");
}

// Neither an empty table nor a shown hot key window takes a look at the keyboard. A held
// combination fires once; two held ones both fire on every tick, the later one winning.
TEST_F(PollerFixture, WhenTicksLookAndWhatFires) {
    press({112});
    storeTable({{"112_Command", "a"}, {"113_Command", "b"}});
    windowShown = true;
    press({112});
    EXPECT_EQ(keys.snapshots, 0);
    windowShown = false;
    press({112});
    press({112});
    press({});
    press({112});
    press({112, 113});
    press({112, 113});
    EXPECT_EQ(actions.log, (QStringList{"open a|", "open a|", "open b|", "open b|"}));
}

// Ticks do nothing while an earlier tick's message is open or its text is still being typed.
TEST_F(PollerFixture, NoTickWhileAnEarlierTickIsBusy) {
    storeTable({{"65_Command", "a"}, {"65_Send", "b"}, {"66_Send", "one {[x]}"}});
    int nested = 0;
    actions.whileMessageOpen = [&] {
        if (nested++ == 0)
            poller.tick();
    };
    press({65});
    EXPECT_EQ(actions.log.size(), 1);
    EXPECT_TRUE(actions.log.value(0).startsWith("message ")) << actions.log.value(0).toStdString();

    actions.finishTypingAtOnce = false;
    press({66});
    press({});
    press({66});
    actions.typingDone();
    press({});
    press({66});
    EXPECT_EQ(actions.log.mid(1), (QStringList{"type one X", "type one X"}));
}

// A command is tried whole, then as a program with its parameters; test mode only tells.
TEST_F(PollerFixture, CommandsBeepsFailuresAndTestMode) {
    const QString firefox = " firefox --new-window https://example.org ";
    storeTable({{"65_Command", "  BEEP "}, {"66_Command", firefox}, {"68_Send", "{[x]}"}});
    actions.openResult = 2;
    press({65});
    press({66});
    testMode = true;
    press({68});
    press({65});
    EXPECT_EQ(actions.log, (QStringList{"alarm", "open firefox --new-window https://example.org|",
                                        "open firefox|--new-window https://example.org",
                                        "message " + cantFindMessage(firefox).text,
                                        "message D\r\nX", "message A\r\n  BEEP "}));
}
