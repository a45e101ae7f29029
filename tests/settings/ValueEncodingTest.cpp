#include "settings/ValueEncoding.h"

#include <gtest/gtest.h>

using namespace pathwick::store;

// What the store-level tests cannot see: the exact bytes, and the odd inputs.
TEST(ValueEncoding, BytesAndOddInputs) {
    EXPECT_EQ(encodeValue(Letter::String, "é")->data, QByteArray("\xc3\xa9\0", 3));
    EXPECT_EQ(encodeValue(Letter::String, true)->data, QByteArray("True\0", 5));
    EXPECT_EQ(encodeValue(Letter::Binary, true)->data, QByteArray("\xff\xff", 2));
    EXPECT_EQ(encodeValue(Letter::Number64, Q_INT64_C(10000))->data,
              QByteArray("\x10\x27\0\0\0\0\0\0", 8));
    EXPECT_EQ(encodeValue(Letter::Number32, QVariant())->data, QByteArray(4, '\0'));
    EXPECT_FALSE(encodeValue(Letter::Number64, std::numeric_limits<quint64>::max()));
    EXPECT_FALSE(encodeValue(Letter::Number64, 1e19));
    EXPECT_FALSE(encodeValue(Letter::Number32, std::nan("")));
    EXPECT_FALSE(encodeValue(Letter::String, QVariant::fromValue(QVariantList{1, 2})));

    EXPECT_EQ(decodeValue(Letter::String, QByteArray("abc")), "ab") << "no terminator stored";
    EXPECT_EQ(decodeValue(Letter::String, QByteArray("a\xf0\x9f\x98\x80")), "a")
        << "a character beyond 16 bits is dropped whole";
    EXPECT_EQ(decodeValue(Letter::Number32, QByteArray("\x05", 1)).toInt(), 5);
    EXPECT_EQ(decodeValue(Letter::Binary, QByteArray()).toInt(), 0);
    EXPECT_EQ(listingLetter(9), "9");
}
