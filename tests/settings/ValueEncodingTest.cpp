#include "settings/ValueEncoding.h"

#include <gtest/gtest.h>

using namespace pathwick::store;

TEST(ValueEncoding, StoresBytesAsTheRegistryDoes) {
    EXPECT_EQ(encodeValue(Letter::String, "Ab")->data, QByteArray("Ab\0", 3));
    EXPECT_EQ(encodeValue(Letter::String, "é")->data, QByteArray("\xc3\xa9\0", 3));
    EXPECT_EQ(encodeValue(Letter::String, true)->data, QByteArray("True\0", 5));
    EXPECT_EQ(encodeValue(Letter::MultiString, "a")->type, ValueType::MultiString);
    EXPECT_EQ(encodeValue(Letter::Binary, true)->data, QByteArray("\xff\xff", 2));
    EXPECT_EQ(encodeValue(Letter::Binary, false)->data, QByteArray("\0\0", 2));
    EXPECT_EQ(encodeValue(Letter::Number32, 0x01020304)->data, QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(encodeValue(Letter::Number64, Q_INT64_C(10000))->data,
              QByteArray("\x10\x27\0\0\0\0\0\0", 8));
    EXPECT_EQ(encodeValue(Letter::Number32, QVariant())->data, QByteArray(4, '\0'));
}

TEST(ValueEncoding, RefusesWhatDoesNotFit) {
    EXPECT_FALSE(encodeValue(Letter::Binary, 32768));
    EXPECT_TRUE(encodeValue(Letter::Binary, -32768));
    EXPECT_FALSE(encodeValue(Letter::Number32, 1e10));
    EXPECT_FALSE(encodeValue(Letter::Number64, 1e19));
    EXPECT_FALSE(encodeValue(Letter::Number64, std::numeric_limits<quint64>::max()));
    EXPECT_FALSE(encodeValue(Letter::Number32, std::nan("")));
    EXPECT_FALSE(encodeValue(Letter::Number32, ""));
    EXPECT_FALSE(encodeValue(Letter::String, QVariant::fromValue(QVariantList{1, 2})));
    EXPECT_FALSE(encodeValue(Letter::Other, "x"));
}

TEST(ValueEncoding, ReadsTextsWithoutTheirTerminator) {
    EXPECT_EQ(decodeValue(Letter::String, QByteArray("abc\0", 4)), "abc");
    EXPECT_EQ(decodeValue(Letter::String, QByteArray("abc")), "ab") << "last character dropped";
    EXPECT_EQ(decodeValue(Letter::String, QByteArray("a\xf0\x9f\x98\x80")), "a")
        << "a character beyond 16 bits is dropped whole";
    EXPECT_EQ(decodeValue(Letter::String, QByteArray()), "");
}

TEST(ValueEncoding, ReadsNumbersFromTheFirstBytes) {
    EXPECT_EQ(decodeValue(Letter::Binary, QByteArray("\xff\xff\x01", 3)).toInt(), -1);
    EXPECT_EQ(decodeValue(Letter::Number32, QByteArray("\x05", 1)).toInt(), 5);
    EXPECT_EQ(decodeValue(Letter::Number32, QByteArray()).toInt(), 0);
    EXPECT_EQ(decodeValue(Letter::Number64, QByteArray("\xff\xff\xff\xff\xff\xff\xff\xff", 8))
                  .toLongLong(),
              -1);
}

TEST(ValueEncoding, ListsTypeCodesAsLetters) {
    EXPECT_EQ(listingLetter(ValueType::Number64), "Q");
    EXPECT_EQ(listingLetter(0), "0");
    EXPECT_EQ(listingLetter(9), "9");
    EXPECT_EQ(letterFromText("q"), Letter::Number64);
    EXPECT_EQ(letterFromText("SS"), Letter::Other);
    EXPECT_EQ(letterFromText(""), Letter::Other);
}
