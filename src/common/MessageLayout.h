#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// The captions of a "|"-separated button list, left to right: spaces around each caption and
// around the list are dropped, an empty caption becomes "Button &" + its number (from 1), and
// a trailing "|" adds no button. An empty list gives no captions; a list of blanks gives one.
QStringList messageButtonCaptions(const QString& buttons);
// The width of every message button in twips, kept within 1000..5000.
int clampButtonWidth(int twips);

} // namespace pathwick
