#include "dirlist/ListFileEncoding.h"

#include <gtest/gtest.h>

using namespace pathwick;

namespace {

const QString Marker = QString(QChar(0xB9));

} // namespace

TEST(ListFileEncoding, WritesWindows1252WhenEveryCharacterFits) {
    const QByteArray bytes =
        encodeListFile({Marker + QStringLiteral(" Directories listed"),
                        QStringLiteral("C:\\Caf\u00e9 \u20ac\u2122"), QStringLiteral("/tmp")});
    EXPECT_EQ(bytes, QByteArray("\xB9 Directories listed\r\nC:\\Caf\xE9 \x80\x99\r\n/tmp\r\n"));
}

TEST(ListFileEncoding, WritesUtf8WithBomWhenACharacterDoesNotFit) {
    const QStringList lines = {
        Marker + QStringLiteral(" x"), QStringLiteral("/home/u/\u65e5\u672c\u8a9e"),
        QStringLiteral("/home/u/\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac")};
    const QByteArray bytes = encodeListFile(lines);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.mid(3), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(splitListLines(decodeListFile(bytes)), lines);
}

TEST(ListFileEncoding, ReadsWindows1252AndUtf8AndUtf16) {
    // The Windows program's bytes: marker 0xB9, e acute 0xE9, euro 0x80; invalid as UTF-8.
    EXPECT_EQ(decodeListFile(QByteArray("\xB9 Caf\xE9 \x80")),
              Marker + QStringLiteral(" Caf\u00e9 \u20ac"));
    // Valid UTF-8 without a mark is UTF-8.
    EXPECT_EQ(decodeListFile(QStringLiteral("\u00b9 Caf\u00e9").toUtf8()),
              QStringLiteral("\u00b9 Caf\u00e9"));
    EXPECT_EQ(decodeListFile(QByteArray("\xEF\xBB\xBF") + QStringLiteral("\u00e9").toUtf8()),
              QStringLiteral("\u00e9"));
    EXPECT_EQ(decodeListFile(QByteArray("\xFF\xFE\x41\x00\xB9\x00", 6)), QStringLiteral("A\u00b9"));
    EXPECT_EQ(decodeListFile(QByteArray("\xFE\xFF\x00\x41\x00\xB9", 6)), QStringLiteral("A\u00b9"));
}

TEST(ListFileEncoding, EveryWindows1252ByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_TRUE(fitsWindows1252(text));
    EXPECT_EQ(toWindows1252(text), all);
    EXPECT_FALSE(fitsWindows1252(QStringLiteral("\u65e5")));
    EXPECT_FALSE(fitsWindows1252(QString(QChar(0x80)))); // a C1 control 1252 gives a glyph
}

TEST(ListFileEncoding, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(splitListLines(QStringLiteral("a\r\nb\rc\nd")),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
    EXPECT_EQ(splitListLines(QStringLiteral("a\r\n")), QStringList({QStringLiteral("a")}));
    EXPECT_EQ(splitListLines(QStringLiteral("a\n\rb")),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(splitListLines(QStringLiteral("\r\n\r\n")), QStringList({QString(), QString()}));
}
