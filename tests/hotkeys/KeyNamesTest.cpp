#include "hotkeys/KeyNames.h"

#include <gtest/gtest.h>

using namespace pathwick::hotkeys;

// Both vocabularies for a computed range, the rows whose odd spellings users know, a named key
// the window has no entry for, and numbers outside every table.
TEST(KeyNames, BothVocabulariesWithTheirOddSpellings) {
    const struct {
        qint16 key;
        const char* shortName;
        const char* lookupLong;
        const char* lookupShort;
    } cases[] = {
        {65, "A", "65 = Letter A button", "A"},
        {105, "9 (Num keyboard)", "105 = Number 9 button (Number keyboard)", "9"},
        {4, "Mouse wheel", "4 = Mouse wheel click", "Mouse whell"},
        {33, "Page up", "33 = Page up Page upEscape", "Page up"},
        {39, "Cursor right", "39 = Righr > cursor key", "Cursor right"},
        {221, "}/]", "221 = ]/} key", "];"},
        {166, "Above Escape/F1", "166 = Unknown key code 166. May or may not exist on keyboard",
         "Unknown 166"},
        {-1, "-1", "-1 = Unknown key code -1. May or may not exist on keyboard", "Unknown -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(KeyShortName(c.key), QString::fromUtf8(c.shortName));
        EXPECT_EQ(LookupCode(c.key), QString::fromUtf8(c.lookupLong));
        EXPECT_EQ(LookupCode(c.key, true), QString::fromUtf8(c.lookupShort));
    }
}
