#include "hotkeys/HotKeyWindowRules.h"

#include "common/StringServices.h"

namespace pathwick::hotkeys {

namespace {

constexpr int FirstKey = 1;
constexpr int LastKey = 300;
constexpr int LastArrowKey = 255;
constexpr int Shift = 16;
constexpr int Alt = 18;
// Above every key and still far from overflowing while digits are added.
constexpr int TooLarge = 100000;

} // namespace

int keyNumberOf(const QString& boxText) {
    const QString text = trimSpaces(boxText);
    int number = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        number = qMin(number * 10 + (c.unicode() - u'0'), TooLarge);
    }
    return number;
}

bool isValidKeyNumber(int keyNumber) {
    return keyNumber >= FirstKey && keyNumber <= LastKey && !(keyNumber >= Shift && keyNumber <= Alt);
}

KeyNumberStep stepKeyNumber(int keyNumber, bool up) {
    const int next = up ? keyNumber + 1 : keyNumber - 1;
    if (next < FirstKey)
        return {FirstKey, true};
    if (next > LastArrowKey)
        return {LastArrowKey, true};
    return {next, false};
}

HotKeyControls hotKeyControls(const QString& keyNumberText, const QString& boxText) {
    const int number = keyNumberOf(keyNumberText);
    const bool valid = isValidKeyNumber(number);
    return {valid, valid, valid && !trimSpaces(boxText).isEmpty(), number < LastArrowKey,
            number > FirstKey};
}

QString storedSendText(const QString& boxText) {
    return shownSendText(boxText).replace(u'\n', QStringLiteral("\r\n"));
}

QString shownSendText(const QString& storedText) {
    QString text = storedText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(u'\r', u'\n');
}

} // namespace pathwick::hotkeys
