#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The decisions of the directory list editor, kept apart from its window.
namespace pathwick {

// The edit text with its line breaks taken out and where the caret goes.
struct LineBreakFix {
    QString text;
    int caret = 0;
};

// Takes every CR LF pair, lone CR and lone LF out of text; the caret stays after what stood
// before it. Nothing to do (no line break) gives no fix.
std::optional<LineBreakFix> removeLineBreaks(const QString& text, int caret);

// Which editor buttons the edit text enables. update is set only where the text decides it.
struct PathEditButtons {
    bool checkPath = false;
    bool add = false;
    bool openDir = false;
    std::optional<bool> update;
};

// editText: the text box; listText: the drop-down list's text; isDirectory: whether the
// expanded edit text is a directory that can be opened.
PathEditButtons pathEditButtons(const QString& editText, const QString& listText, bool isDirectory);

// The timer's say on "Update path": enabled exactly when an entry is selected, once the edit
// text differs from the list's text; no say otherwise.
std::optional<bool> updateEnabledByTimer(const QString& editText, const QString& listText,
                                         bool entrySelected);

// Whether the list already holds path (both trimmed, letter case ignored).
bool listHoldsPath(const QStringList& items, const QString& path);

// The entry a start-up command line offers to the list ("" for none): quotes removed, a
// drive's recycle-bin folder as its token, an existing relative path made whole.
QString commandLineEntry(const QString& commandLine);

} // namespace pathwick
