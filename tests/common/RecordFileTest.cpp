#include "common/RecordFile.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

TEST(RecordFile, ReadsWindows1252AndUtf8AndUtf16) {
    const std::pair<QByteArray, QString> cases[] = {
        // Windows-1252 bytes: marker 0xB9, e acute 0xE9, euro 0x80; invalid as UTF-8.
        {"\xB9 Caf\xE9 \x80", "\u00b9 Caf\u00e9 \u20ac"},
        // Valid UTF-8 is UTF-8, with or without a mark.
        {QString("\u00b9 Caf\u00e9").toUtf8(), "\u00b9 Caf\u00e9"},
        {QByteArray("\xFF\xFE\x41\x00\xB9\x00", 6), "A\u00b9"},
        {QByteArray("\xFE\xFF\x00\x41\x00\xB9", 6), "A\u00b9"},
        // Only the first mark is the file's; a second one is the first line's character.
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", QStringLiteral("\ufeffx")},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeRecordFile(bytes), text) << bytes.toHex().toStdString();
}

// Plain Windows-1252 and UTF-8 round trips are the fuzz target's; these are the texts whose
// Windows-1252 bytes would read back as something else.
TEST(RecordFile, WhatIsWrittenReadsBackTheSame) {
    const QStringList cases[] = {
        {"\u00c3\u00a9"},                 // 1252 bytes C3 A9 are valid UTF-8
        {"\u00ff\u00feA", "b"},           // 1252 bytes FF FE are a UTF-16 mark
        {"\u00ef\u00bb\u00bfx"},          // 1252 bytes of the UTF-8 mark
        {QStringLiteral("\ufeffx"), "y"}, // a line beginning with U+FEFF
    };
    for (const QStringList& lines : cases)
        EXPECT_EQ(splitRecordLines(decodeRecordFile(encodeRecordFile(lines))), lines)
            << lines.join(u'|').toStdString();
}

} // namespace
} // namespace pathwick
