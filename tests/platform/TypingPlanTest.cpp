#include "platform/linux/TypingPlan.h"

#include <gtest/gtest.h>

// After gtest: X.h defines names such as None that gtest uses.
#include <X11/keysym.h>

using namespace pathwick::platform;

namespace {

constexpr unsigned int Shift = 50, AltGr = 108, Return = 36, Tab = 23, KeyA = 38, KeyQ = 24,
                       Key2 = 11, Spare1 = 200, Spare2 = 201;

// A small German-like layout: a/A, q/Q/@, 2/"/², Return, Tab, two spare keys.
KeyboardLayout layout(bool withSpares = true, bool withShift = true) {
    KeyboardLayout l;
    l.shiftKeycode = withShift ? Shift : 0;
    l.level3Keycode = AltGr;
    l.strokes = {{U'a', {KeyA, false, false}}, {U'A', {KeyA, true, false}},
                 {U'q', {KeyQ, false, false}}, {U'@', {KeyQ, false, true}},
                 {U'2', {Key2, false, false}}, {U'"', {Key2, true, false}},
                 {U'²', {Key2, true, true}},   {U'\n', {Return, false, false}},
                 {U'\t', {Tab, false, false}}};
    if (withSpares)
        l.spareKeycodes = {Spare1, Spare2};
    return l;
}

std::vector<KeyEvent> tap(unsigned int key) {
    return {{key, true}, {key, false}};
}

std::vector<KeyEvent> join(std::initializer_list<std::vector<KeyEvent>> parts) {
    std::vector<KeyEvent> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

std::vector<KeyEvent> around(unsigned int modifier, std::vector<KeyEvent> inner) {
    inner.insert(inner.begin(), {modifier, true});
    inner.push_back({modifier, false});
    return inner;
}

} // namespace

TEST(TypingPlan, KeysOfTheLayout) {
    const struct {
        const char* text;
        std::vector<KeyEvent> events;
    } cases[] = {
        {"a", tap(KeyA)},
        {"A", around(Shift, tap(KeyA))},
        {"@", around(AltGr, tap(KeyQ))},
        {"²", around(AltGr, around(Shift, tap(Key2)))},
        {"a\r\nq", join({tap(KeyA), tap(Return), tap(KeyQ)})},
        {"\r", tap(Return)},
        {"\n\n", join({tap(Return), tap(Return)})},
        {"\r\r\n", join({tap(Return), tap(Return)})},
        {"\n\r", join({tap(Return), tap(Return)})},
        {"\t\"", join({tap(Tab), around(Shift, tap(Key2))})},
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

// Characters without a key fill the spare keys plain first, then shifted; the next one
// starts a batch of its own, and a character bound once is typed again with its binding.
TEST(TypingPlan, CharactersWithoutAKeyAreBoundToSpareKeys) {
    const TypingPlan plan = planTyping(QString::fromUtf8("éaßé日本🙂é"), layout());
    ASSERT_EQ(plan.batches.size(), 2u);
    const TypingBatch& first = plan.batches[0];
    ASSERT_EQ(first.bindings.size(), 2u);
    EXPECT_EQ(first.bindings[0].keycode, Spare1);
    EXPECT_EQ(first.bindings[0].keysyms[0], XK_eacute);
    EXPECT_EQ(first.bindings[0].keysyms[1], 0x01000000ul + 0x65E5);
    EXPECT_EQ(first.bindings[1].keycode, Spare2);
    EXPECT_EQ(first.bindings[1].keysyms[0], XK_ssharp);
    EXPECT_EQ(first.bindings[1].keysyms[1], 0x01000000ul + 0x672C);
    EXPECT_EQ(first.events, join({tap(Spare1), tap(KeyA), tap(Spare2), tap(Spare1),
                                  around(Shift, tap(Spare1)), around(Shift, tap(Spare2))}));
    EXPECT_EQ(first.characters, 6);
    const TypingBatch& second = plan.batches[1];
    ASSERT_EQ(second.bindings.size(), 2u);
    EXPECT_EQ(second.bindings[0].keysyms[0], 0x01000000ul + 0x1F642);
    EXPECT_EQ(second.bindings[1].keysyms[0], XK_eacute);
    EXPECT_EQ(second.bindings[1].keysyms[1], XK_eacute);
    EXPECT_EQ(second.events, join({tap(Spare1), tap(Spare2)}));
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
        {QString::fromUtf8("éß"), layout(true, false), 0, 4},     // plain level only
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

TEST(TypingPlan, LongTextsAreTypedWhole) {
    const QString text = QString("a").repeated(40000) + QString::fromUtf8("é").repeated(40000);
    const TypingPlan plan = planTyping(text, layout());
    ASSERT_EQ(plan.batches.size(), 1u);
    EXPECT_EQ(plan.batches[0].characters, 80000);
    EXPECT_EQ(plan.batches[0].events.size(), 160000u);
}

TEST(TypingPlan, KeysymsAndCharacters) {
    const struct {
        char32_t character;
        unsigned long keysym;
    } cases[] = {{U'a', XK_a},          {U'~', XK_asciitilde}, {U'é', XK_eacute},
                 {U'ÿ', XK_ydiaeresis}, {U'\t', XK_Tab},       {U'\n', XK_Return},
                 {U'€', 0x010020AC},    {U'🙂', 0x0101F642}, {U'Ā', 0x01000100}};
    for (const auto& c : cases)
        EXPECT_EQ(keysymForCharacter(c.character), c.keysym) << std::hex << c.keysym;
    for (const auto& c : cases)
        EXPECT_EQ(characterForKeysym(c.keysym), c.character) << std::hex << c.keysym;
    EXPECT_EQ(characterForKeysym(XK_EuroSign), U'€');
    for (unsigned long none : std::initializer_list<unsigned long>{
             XK_Shift_L, XK_KP_1, XK_dead_acute, XK_F1, 0x01000000ul + 0x110000})
        EXPECT_EQ(characterForKeysym(none), 0u) << std::hex << none;
}
