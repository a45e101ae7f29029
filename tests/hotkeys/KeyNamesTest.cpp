#include "hotkeys/KeyNames.h"

#include <gtest/gtest.h>

using namespace pathwick::hotkeys;

// The ends of each range the names are computed for, the rows whose odd spellings users know,
// a named key the window has no entry for, and numbers outside every table.
TEST(KeyNames, RangeEndsOddSpellingsAndUnknownNumbers) {
    const struct {
        qint16 key;
        const char* shortName;
        const char* lookupLong;
        const char* lookupShort;
    } cases[] = {
        {48, "0", "48 = Number 0 button (Main keyboard)", "0"},
        {57, "9", "57 = Number 9 button (Main keyboard)", "9"},
        {65, "A", "65 = Letter A button", "A"},
        {90, "Z", "90 = Letter Z button", "Z"},
        {96, "0 (Num keyboard)", "96 = Number 0 button (Number keyboard)", "0"},
        {105, "9 (Num keyboard)", "105 = Number 9 button (Number keyboard)", "9"},
        {112, "F1", "112 = F1 key", "F1"},
        {123, "F12", "123 = F12 key", "F12"},
        {4, "Mouse wheel", "4 = Mouse wheel click", "Mouse whell"},
        {33, "Page up", "33 = Page up Page upEscape", "Page up"},
        {39, "Cursor right", "39 = Righr > cursor key", "Cursor right"},
        {221, "}/]", "221 = ]/} key", "];"},
        {223, "`/\u00AC", "223 = `/\u00AC key", "`"},
        {166, "Above Escape/F1", "166 = Unknown key code 166. May or may not exist on keyboard",
         "Unknown 166"},
        {0, "0", "0 = Unknown key code 0. May or may not exist on keyboard", "Unknown 0"},
        {124, "124", "124 = Unknown key code 124. May or may not exist on keyboard", "Unknown 124"},
        {-1, "-1", "-1 = Unknown key code -1. May or may not exist on keyboard", "Unknown -1"},
        {32767, "32767", "32767 = Unknown key code 32767. May or may not exist on keyboard",
         "Unknown 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(KeyShortName(c.key), QString::fromUtf8(c.shortName));
        EXPECT_EQ(LookupCode(c.key), QString::fromUtf8(c.lookupLong));
        EXPECT_EQ(LookupCode(c.key, true), QString::fromUtf8(c.lookupShort));
    }
}

// Every number has both names; the known ones are the four ranges and the named rows.
TEST(KeyNames, EveryNumberHasANameInBothVocabularies) {
    int known = 0;
    for (int key = -300; key <= 600; ++key) {
        const QString shortName = KeyShortName(qint16(key));
        const QString lookup = LookupCode(qint16(key), true);
        EXPECT_FALSE(shortName.isEmpty()) << key;
        EXPECT_FALSE(lookup.isEmpty()) << key;
        EXPECT_TRUE(LookupCode(qint16(key)).startsWith(QString::number(key) + " = ")) << key;
        known += !lookup.startsWith("Unknown ");
    }
    EXPECT_EQ(known, 10 + 26 + 10 + 12 + 54);
}
