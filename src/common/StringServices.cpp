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

int SplitText(const QString& whole, const QString& separator, bool ignoreCase, QStringList& parts) {
    parts.clear();
    // An empty separator would never move the split forward.
    if (separator.isEmpty()) {
        parts.append(whole);
        return 0;
    }
    const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QStringView text(whole);
    int count = 0;
    for (qsizetype i = 0; i + separator.size() <= text.size(); ++i) {
        if (text.mid(i, separator.size()).compare(separator, cs) == 0)
            ++count;
    }
    for (int i = 0; i <= count; ++i)
        parts.append(QString());

    qsizetype pos = 0;
    int index = 0;
    while (pos < whole.size() && index < parts.size()) {
        qsizetype found = whole.indexOf(separator, pos, cs);
        if (found < 0)
            found = whole.size();
        parts[index] = whole.mid(pos, found - pos);
        pos = found + separator.size();
        ++index;
    }
    return count;
}

} // namespace pathwick
