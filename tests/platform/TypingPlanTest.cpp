#include "platform/linux/TypingPlan.h"

#include <gtest/gtest.h>

#include <cstdlib>

// After gtest: X.h defines names such as None that gtest uses.
#include <X11/keysym.h>

using namespace pathwick::platform;

namespace {

constexpr int Shift = 50, AltGr = 108, KeyA = 38, Spare1 = 200, Spare2 = 201;
constexpr unsigned long U = 0x01000000;

// A layout in its second group with a key for "a" and two spare keys.
KeyboardLayout layout(bool withSpares = true, bool withShift = true) {
    KeyboardLayout l;
    l.shiftKeycode = withShift ? Shift : 0;
    l.level3Keycode = AltGr;
    l.group = 1;
    l.strokes = {{U'a', {KeyA}}};
    if (withSpares)
        l.spareKeycodes = {Spare1, Spare2};
    return l;
}

// Positive codes press, negative ones release, 1000 + g switches to group g.
std::vector<KeyEvent> keys(std::initializer_list<int> codes) {
    std::vector<KeyEvent> out;
    for (int code : codes)
        out.push_back(code >= 1000 ? KeyEvent{0, false, code - 1000}
                                   : KeyEvent{unsigned(std::abs(code)), code > 0});
    return out;
}

} // namespace

// Characters without a key fill the plain level of every spare key, then the Shift level,
// then the next group, switched to around them; a character bound once is typed again with
// its binding. A text with more of them than places binds the halves of the keys in turn.
TEST(TypingPlan, CharactersWithoutAKeyAreBoundToSpareKeysInGroups) {
    const int S1 = Spare1, S = Shift;
    QString text = QString::fromUtf8("éß");
    for (char32_t c = 0x3b1; c <= 0x3be; ++c)
        text += QChar(c);
    const TypingPlan halves = planTyping(text + QString::fromUtf8("éω"), layout());
    ASSERT_EQ(halves.batches.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(halves.batches[i].bindings.size(), 1u);
        EXPECT_EQ(halves.batches[i].bindings[0].keycode, unsigned(i == 1 ? Spare2 : Spare1));
        EXPECT_EQ(halves.batches[i].characters, i == 2 ? 2 : 8);
    }
    EXPECT_EQ(halves.batches[2].events, keys({1000, S1, -S1, S, S1, -S1, -S, 1001}));
}

TEST(TypingPlan, WhatNoKeyCanType) {
    const struct {
        QString text;
        KeyboardLayout layout;
        int skipped;
        size_t events;
    } cases[] = {
        {QString::fromUtf8("a\x01\x7f") + QChar(0x85) + "a", layout(), 3, 4},
        {QString("a") + QChar(0xD83D) + "a", layout(), 1, 4},     // half an emoji
        {QString(QChar(0xDE42)) + QChar(0xD83D), layout(), 2, 0}, // halves the wrong way round
        {QString::fromUtf8("é"), layout(false), 1, 0},            // no spare key
        {QString::fromUtf8("éß"), layout(true, false), 0, 6},     // plain level only
        {QString(40000, u'a'), layout(), 0, 80000},                // typed whole
    };
    for (const auto& c : cases) {
        const TypingPlan plan = planTyping(c.text, c.layout);
        size_t events = 0;
        for (const TypingBatch& batch : plan.batches)
            events += batch.events.size();
        EXPECT_EQ(plan.skipped, c.skipped) << c.text.toStdString();
        EXPECT_EQ(events, c.events) << c.text.toStdString();
    }
}
