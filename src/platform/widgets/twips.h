// The layout is designed in twips (1/1440 inch). A pixel is 1440 / the screen's logical DPI
// twips: 15 at 96 DPI, 12 at 120 and 10 at 144, so that the window and its controls grow with
// the fonts when the desktop enlarges its text. Device pixel ratios (scale factors) Qt applies
// on top, in its device-independent pixels.
#pragma once

#include <QRect>

namespace vexmoor::platform {

inline constexpr int kTwipsPerInch = 1440;

// Twips per device-independent pixel on the primary screen (15 without a screen).
double TwipsPerPixel();

// Twips to device-independent pixels, rounded to the nearest pixel (halves away from zero).
int TwipsToPixels(int twips);

QRect TwipsRect(int left, int top, int width, int height);

} // namespace vexmoor::platform
