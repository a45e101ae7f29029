#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace pathwick {

namespace {

constexpr double TwipsPerInch = 1440.0;

double logicalDpi(const QWidget* widget) {
    if (widget)
        return widget->logicalDpiX();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

} // namespace

int twipsToPixels(int twips, const QWidget* widget) {
    return int(std::lround(twips * logicalDpi(widget) / TwipsPerInch));
}

int pixelsToTwips(int pixels, const QWidget* widget) {
    return int(std::lround(pixels * TwipsPerInch / logicalDpi(widget)));
}

} // namespace pathwick
