#include "dirlist/PathEditRules.h"

#include "dirlist/DirListTexts.h"
#include "dirlist/EditorTexts.h"

#include <QFileInfo>

namespace pathwick {

namespace {

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

QString withoutLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isLineBreak(c))
            out.append(c);
    return out;
}

} // namespace

std::optional<LineBreakFix> removeLineBreaks(const QString& text, int caret) {
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return std::nullopt;
    caret = qBound(0, caret, int(text.size()));
    const QString before = withoutLineBreaks(text.left(caret));
    return LineBreakFix{before + withoutLineBreaks(text.mid(caret)), int(before.size())};
}

PathEditButtons pathEditButtons(const QString& editText, const QString& listText,
                                bool isDirectory) {
    PathEditButtons buttons;
    const QString text = editText.trimmed();
    buttons.checkPath = !text.isEmpty();
    buttons.add = !text.isEmpty();
    buttons.openDir = isDirectory;
    if (text == listText.trimmed()) {
        buttons.add = false;
        buttons.update = false;
    }
    return buttons;
}

std::optional<bool> updateEnabledByTimer(const QString& editText, const QString& listText,
                                         bool entrySelected) {
    if (editText.trimmed() == listText.trimmed())
        return std::nullopt;
    return entrySelected;
}

bool listHoldsPath(const QStringList& items, const QString& path) {
    const QString wanted = path.trimmed();
    for (const QString& item : items)
        if (item.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString commandLineEntry(const QString& commandLine) {
    QString entry = commandLine.trimmed();
    if (entry.size() >= 2 && entry.startsWith(u'"') && entry.endsWith(u'"'))
        entry = entry.mid(1, entry.size() - 2).trimmed();
    if (entry.mid(1).compare(QString::fromLatin1(editor_texts::CommandLineRecycleBin),
                             Qt::CaseInsensitive) == 0)
        entry = QString::fromLatin1(dirlist_texts::RecycleBinToken);
    // A folder named from a terminal is relative to where the program was started, which is
    // not where it starts next time: the list keeps its whole path.
    const QFileInfo named(entry);
    if (!entry.isEmpty() && named.isRelative() && named.exists())
        entry = named.absoluteFilePath();
    return entry;
}

} // namespace pathwick
