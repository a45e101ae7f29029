#include "common/StringServices.h"

namespace pathwick {

QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == ' ')
        ++first;
    while (last > first && text.at(last - 1) == ' ')
        --last;
    return text.mid(first, last - first);
}

QString swapString(const QString& convertString, const QString& swapThis, const QString& withThis,
                   bool matchCase) {
    if (swapThis.isEmpty())
        return convertString;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString out;
    qsizetype pos = 0;
    while (pos < convertString.size()) {
        const qsizetype found = convertString.indexOf(swapThis, pos, cs);
        if (found < 0) {
            out += QStringView(convertString).mid(pos);
            break;
        }
        out += QStringView(convertString).mid(pos, found - pos);
        out += withThis;
        pos = found + swapThis.size();
    }
    return out;
}

} // namespace pathwick
