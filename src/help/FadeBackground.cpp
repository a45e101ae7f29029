#include "help/FadeBackground.h"

#include <QPainter>
#include <QSize>
#include <cmath>

namespace pathwick {

namespace {

int rounded(double value) {
    return int(std::lround(value));
}

} // namespace

QList<FadeBand> fadeBands(int height, const QColor& topColour, const QColor& bottomColour) {
    const double bandHeight = double(height) / FadeBandCount;
    const double steps[] = {double(topColour.red() - bottomColour.red()) / FadeBandCount,
                            double(topColour.green() - bottomColour.green()) / FadeBandCount,
                            double(topColour.blue() - bottomColour.blue()) / FadeBandCount};
    QList<FadeBand> bands;
    bands.reserve(FadeBandCount);
    for (int k = 0; k < FadeBandCount; ++k) {
        const QColor colour(rounded(topColour.red() - k * steps[0]),
                            rounded(topColour.green() - k * steps[1]),
                            rounded(topColour.blue() - k * steps[2]));
        bands.append({rounded(k * bandHeight), rounded((k + 1) * bandHeight), colour});
    }
    return bands;
}

void FadeBackground(QPainter& painter, const QSize& area, const QColor& topColour,
                    const QColor& bottomColour) {
    for (const FadeBand& band : fadeBands(area.height(), topColour, bottomColour))
        painter.fillRect(0, band.top, area.width(), band.bottom - band.top, band.colour);
}

} // namespace pathwick
