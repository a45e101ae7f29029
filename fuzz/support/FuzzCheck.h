#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QDebug>
#include <QString>

// A property that does not hold is a finding: FUZZ_CHECK prints what failed and aborts, so
// libFuzzer keeps the input as a crash file. FUZZ_CHECK_EQ prints both sides as well.
#define FUZZ_CHECK(condition)                                                                  \
    ((condition) ? void() : pathwick::fuzz::fail(#condition, __FILE__, __LINE__))
#define FUZZ_CHECK_EQ(actual, expected)                                                        \
    pathwick::fuzz::checkEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)

namespace pathwick::fuzz {

[[noreturn]] void fail(const char* condition, const char* file, int line);

template <typename A, typename B>
void checkEqual(const A& actual, const B& expected, const char* what, const char* file,
                int line) {
    if (actual == expected)
        return;
    qWarning().noquote() << "actual:  " << actual;
    qWarning().noquote() << "expected:" << expected;
    fail(what, file, line);
}

// Text made of raw UTF-16 code units, so lone surrogates, byte-order marks and NULs occur.
QString takeUtf16(FuzzedDataProvider& input, std::size_t maxUnits);
QString restAsUtf16(FuzzedDataProvider& input);

// Whether text holds a high surrogate without its low one or a low one without its high.
bool hasLoneSurrogate(const QString& text);

} // namespace pathwick::fuzz
