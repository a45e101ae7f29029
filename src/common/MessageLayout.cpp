#include "common/MessageLayout.h"

#include "common/CommonTexts.h"
#include "common/StringServices.h"

#include <algorithm>

namespace pathwick {

QStringList messageButtonCaptions(const QString& buttons) {
    QStringList captions;
    if (buttons.isEmpty())
        return captions;
    // A list of blanks is one blank caption; only an empty list keeps the design button.
    QString rest = trimSpaces(buttons);
    do {
        const qsizetype bar = rest.indexOf('|');
        QString caption = trimSpaces(bar < 0 ? rest : rest.left(bar));
        if (caption.isEmpty())
            caption = texts::MessageUnnamedButton + QString::number(captions.size() + 1);
        captions.append(caption);
        rest = bar < 0 ? QString() : trimSpaces(rest.mid(bar + 1));
    } while (!rest.isEmpty());
    return captions;
}

int clampButtonWidth(int twips) {
    return std::clamp(twips, 1000, 5000);
}

} // namespace pathwick
