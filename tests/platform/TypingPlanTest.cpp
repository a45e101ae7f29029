#include "platform/linux/TypingPlan.h"

#include <gtest/gtest.h>

#include <cstdlib>

// After gtest: X.h defines names such as None that gtest uses.
#include <X11/keysym.h>

using namespace pathwick::platform;

namespace {

constexpr int Shift = 50, AltGr = 108, Return = 36, Tab = 23, KeyA = 38, KeyQ = 24,
                       Key2 = 11, Spare1 = 200, Spare2 = 201;
constexpr unsigned long U = 0x01000000;

// A small German-like layout in its second group: a/A, q/Q/@, 2/"/², Return, Tab, two
// spare keys.
KeyboardLayout layout(bool withSpares = true, bool withShift = true) {
    KeyboardLayout l;
    l.shiftKeycode = withShift ? Shift : 0;
    l.level3Keycode = AltGr;
    l.group = 1;
    l.strokes = {{U'a', {KeyA}},       {U'A', {KeyA, true}},       {U'q', {KeyQ}},
                 {U'@', {KeyQ, false, true}}, {U'2', {Key2}},      {U'"', {Key2, true}},
                 {U'²', {Key2, true, true}},  {U'\n', {Return}},   {U'\t', {Tab}}};
    if (withSpares)
        l.spareKeycodes = {Spare1, Spare2};
    return l;
}

std::vector<KeyEvent> keys(std::initializer_list<int> codes) {
    std::vector<KeyEvent> out;
    for (int code : codes)
        out.push_back(code >= 1000 ? KeyEvent{0, false, code - 1000}
                                   : KeyEvent{unsigned(std::abs(code)), code > 0});
    return out;
}

} // namespace

// Positive codes press, negative ones release, 1000 + g switches to group g.
TEST(TypingPlan, KeysOfTheLayout) {
    const int A = KeyA, Q = KeyQ, R = Return, S = Shift, G = AltGr;
    const struct {
        const char* text;
        std::vector<KeyEvent> events;
    } cases[] = {
        {"aA", keys({A, -A, S, A, -A, -S})},
        {"@²", keys({G, Q, -Q, -G, G, S, Key2, -Key2, -S, -G})},
        {"a\r\nq\r", keys({A, -A, R, -R, Q, -Q, R, -R})},
        {"\r\r\n\n\r", keys({R, -R, R, -R, R, -R, R, -R})},
        {"\t\"", keys({Tab, -Tab, S, Key2, -Key2, -S})},
        {"", {}},
    };
    for (const auto& c : cases) {
        const TypingPlan plan = planTyping(QString::fromUtf8(c.text), layout());
        ASSERT_EQ(plan.batches.size(), 1u) << c.text;
        EXPECT_TRUE(plan.batches[0].bindings.empty()) << c.text;
        EXPECT_EQ(plan.batches[0].events, c.events) << c.text;
        EXPECT_EQ(plan.skipped, 0) << c.text;
    }
}

// Characters without a key fill the plain level of every spare key, then the Shift level,
// then the next group, switched to around them; a character bound once is typed again with
// its binding. A text with more of them than places binds the halves of the keys in turn.
TEST(TypingPlan, CharactersWithoutAKeyAreBoundToSpareKeysInGroups) {
    const int S1 = Spare1, S2 = Spare2, S = Shift;
    const TypingPlan fits = planTyping(QString::fromUtf8("éaßé日本α"), layout());
    ASSERT_EQ(fits.batches.size(), 1u);
    ASSERT_EQ(fits.batches[0].bindings.size(), 2u);
    EXPECT_EQ(fits.batches[0].bindings[0].groups, 2);
    EXPECT_EQ(fits.batches[0].bindings[0].keysyms[0][1], U + 0x65E5);
    EXPECT_EQ(fits.batches[0].bindings[0].keysyms[1][0], U + 0x3b1);
    EXPECT_EQ(fits.batches[0].events,
              keys({1000, S1, -S1, 1001, KeyA, -KeyA, 1000, S2, -S2, S1, -S1, S, S1, -S1, -S, S,
                    S2, -S2, -S, 1001, S1, -S1}));
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
