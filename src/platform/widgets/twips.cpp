// Twips at the screen's logical DPI.
#include "platform/widgets/twips.h"

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

namespace {

int ToPixels(int twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

int TwipsToPixels(int twips)
{
    return ToPixels(twips, TwipsPerPixel());
}

QRect TwipsRect(int left, int top, int width, int height)
{
    const double perPixel = TwipsPerPixel(); // asked of the screen once for all four
    return QRect(ToPixels(left, perPixel), ToPixels(top, perPixel), ToPixels(width, perPixel),
                 ToPixels(height, perPixel));
}

} // namespace vexmoor::platform
