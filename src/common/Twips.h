#pragma once

class QWidget;

namespace pathwick {

// 15 twips are one pixel at 96 dpi; scaled with the screen's logical dpi.
int twipsToPixels(int twips, const QWidget* widget = nullptr);
int pixelsToTwips(int pixels, const QWidget* widget = nullptr);

} // namespace pathwick
