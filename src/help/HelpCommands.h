#pragma once

#include <QString>

class QWidget;

namespace pathwick {

// "&Help file": opens the help file (see openHelpFile); when nothing opens, offers to show
// programFolder and reports the number when that fails too.
void HelpInfo(QWidget* owner, const QString& programFolder);
// "Help file &path": the help path window, centred on the owner, modal.
void showHelpPathWindow(QWidget* owner);
// "&About": the About window, modal, owned by the owner.
void showAboutWindow(QWidget* owner);

} // namespace pathwick
