#include "support/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace pathwick::fuzz {

void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "Property failed at %s:%d: %s\n", file, line, condition);
    std::abort();
}

QString takeUtf16(FuzzedDataProvider& input, std::size_t maxUnits) {
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(maxUnits * 2);
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(bytes[i] | (bytes[i + 1] << 8))));
    return text;
}

QString restAsUtf16(FuzzedDataProvider& input) {
    return takeUtf16(input, input.remaining_bytes() / 2);
}

bool hasLoneSurrogate(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace pathwick::fuzz
