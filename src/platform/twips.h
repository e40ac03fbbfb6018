// The layout is designed in twips (1/1440 inch); at 96 dots per inch 15 twips make a pixel.
// Qt's device-independent pixels take care of higher densities.
#pragma once

#include <QRect>

namespace vexmoor::platform {

inline constexpr int kTwipsPerPixel = 15;

// Twips to device-independent pixels, rounded to the nearest pixel (halves away from zero).
constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

} // namespace vexmoor::platform
