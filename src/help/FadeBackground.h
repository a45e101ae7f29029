#pragma once

#include <QColor>
#include <QList>

class QPainter;
class QSize;

namespace pathwick {

// One horizontal band of the About window's gradient: rows top to bottom - 1.
struct FadeBand {
    int top = 0;
    int bottom = 0; // first row below the band
    QColor colour;
};

inline constexpr int FadeBandCount = 64;

// The 64 bands from topColour towards bottomColour over a height: band k runs from the
// rounded k/64 of the height to the rounded (k+1)/64, so the bands cover every row once
// whatever the height. The last band is one step short of bottomColour.
QList<FadeBand> fadeBands(int height, const QColor& topColour, const QColor& bottomColour);

// Fills an area of the given size with those bands, full width.
void FadeBackground(QPainter& painter, const QSize& area, const QColor& topColour,
                    const QColor& bottomColour);

} // namespace pathwick
