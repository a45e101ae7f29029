#pragma once

#include <QString>

namespace pathwick {

// The outcome of opening every stored entry of a drive; the main window shows it and starts
// the status flash when not everything opened. While the run goes on the window's caption
// is dirlist_texts::OpeningCaption.
struct OpeningRunResult {
    QString caption;
    QString text;
    int tried = 0;
    int opened = 0;
    bool allOpened = true;
};

// Opens the entries of drive ("" all drives; a leading "&" is dropped) one after the other
// in store order; an entry that cannot be opened is reported in its line and the run goes on.
OpeningRunResult runOpeningRun(const QString& drive);

// The "&Open Directories" entry for a listed count: its caption and whether it is enabled.
QString openDirsCaption(int listedCount);
bool openDirsEnabled(int listedCount);

} // namespace pathwick
