// Twips at the screen's logical DPI.
#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vexmoor::platform {

double TwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 0;
    return dpi > 0 ? kTwipsPerInch / dpi : 15.0;
}

int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel()));
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

} // namespace vexmoor::platform
