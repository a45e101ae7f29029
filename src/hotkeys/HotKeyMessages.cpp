#include "hotkeys/HotKeyMessages.h"

#include "common/StringServices.h"
#include "hotkeys/HotKeyWindowTexts.h"

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

QString modifierText(bool shift, bool ctrl, bool alt) {
    QString text;
    if (shift)
        text += QLatin1String(PlusShift);
    if (ctrl)
        text += QLatin1String(PlusCtrl);
    if (alt)
        text += QLatin1String(PlusAlt);
    return text;
}

QString nothingToDeleteText(const QString& keyShortName, bool shift, bool ctrl, bool alt) {
    return QLatin1String(NoValueStart) + keyShortName + modifierText(shift, ctrl, alt) +
           QLatin1String(NoValueEnd);
}

QString deleteQuestionText(const QString& keyShortName, bool shift, bool ctrl, bool alt,
                           bool sendType, const QString& boxText) {
    return QLatin1String(DeleteQuestion) + keyShortName + modifierText(shift, ctrl, alt) + u'?' +
           LineBreak + LineBreak +
           QLatin1String(sendType ? DeleteTextLabel : DeleteCommandLabel) + LineBreak +
           trimSpaces(boxText);
}

QString onlyOneFileText(bool sendBox) {
    return QLatin1String(OnlyOneStart) + QLatin1String(sendBox ? OnlyOneText : OnlyOneApplication) +
           QLatin1String(OnlyOneEnd);
}

} // namespace pathwick::hotkeys
