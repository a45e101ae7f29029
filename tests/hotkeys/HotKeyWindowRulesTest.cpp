#include "hotkeys/HotKeyWindowRules.h"
#include "hotkeys/HotKeyDrop.h"

#include "support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace pathwick::hotkeys {
namespace {

TEST(KeyNumberRules, WhichControlsTheKeyNumberAndTextAllow) {
    const struct {
        const char* number;
        const char* text;
        bool valid, deleteAndTest, up, down;
    } cases[] = {{"112", "  ", true, false, true, true},
                 {"1", "x", true, true, true, false},
                 {"16", "x", false, false, true, true},
                 {"300", "x", true, true, false, true},
                 {"301", "x", false, false, false, true},
                 {"0", "x", false, false, true, false},
                 {"99999999999999999999", "x", false, false, false, true}};
    for (const auto& c : cases) {
        const HotKeyControls got = hotKeyControls(c.number, c.text);
        EXPECT_EQ(std::tuple(got.modifiers, got.save, got.deleteAndTest, got.up, got.down),
                  std::tuple(c.valid, c.valid, c.deleteAndTest, c.up, c.down))
            << c.number << " " << c.text;
    }
}

TEST(KeyNumberRules, ArrowsStepWithinOneTo255WithTheAlarmAtTheEnds) {
    const struct {
        int number;
        bool up;
        int next;
        bool alarm;
    } cases[] = {{112, true, 113, false}, {255, true, 255, true},   {300, true, 255, true},
                 {300, false, 255, true}, {256, false, 255, false}, {1, false, 1, true},
                 {0, false, 1, true},     {0, true, 1, false}};
    for (const auto& c : cases) {
        const KeyNumberStep step = stepKeyNumber(c.number, c.up);
        EXPECT_EQ(std::pair(step.number, step.alarm), std::pair(c.next, c.alarm))
            << c.number << (c.up ? " up" : " down");
    }
}

TEST(KeyNumberRules, SendTextsAreStoredWithWindowsLineBreaksAndShownWithLineFeeds) {
    const struct {
        const char* box;
        const char* stored;
    } cases[] = {{"a\nb", "a\r\nb"},   {"a\r\nb", "a\r\nb"},       {"a\rb", "a\r\nb"},
                 {"\n\n", "\r\n\r\n"}, {"a\r\r\nb", "a\r\n\r\nb"}, {" x ", " x "}};
    for (const auto& c : cases) {
        EXPECT_EQ(storedSendText(c.box), c.stored) << c.box;
        EXPECT_EQ(storedSendText(shownSendText(c.stored)), c.stored) << c.box;
    }
}

TEST(HotKeyDrop, OneFileAndForTheSendBoxOneTextFileWithText) {
    QTemporaryDir folder;
    const auto make = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    const QString latin = make("latin.dat", "Gr\xfc\xdf"
                                            "e\ncaf\xe9");
    const QString empty = make("empty.txt", "");
    const QString program = make("run.sh", "#!/bin/sh\n");
    const QString one = "You can only drag one text (.txt) file here at a time.";
    const QString textOnly = "You can only drag text files with some text here.";
    const struct {
        bool sendBox;
        QStringList paths;
        bool accepted;
        QString result;
    } cases[] = {{false, {folder.path()}, true, folder.path()},
                 {true, {latin, empty}, false, one},
                 {true, {latin}, true, "Grüße\r\ncafé"},
                 {true, {empty}, false, textOnly},
                 {true, {program}, false, textOnly}};
    for (const auto& c : cases) {
        const HotKeyDropVerdict verdict = checkHotKeyDrop(c.sendBox, c.paths);
        EXPECT_EQ(std::pair(verdict.accepted, c.accepted ? verdict.text : verdict.refusal),
                  std::pair(c.accepted, c.result))
            << c.paths.join(' ').toStdString();
    }
}

} // namespace
} // namespace pathwick::hotkeys
