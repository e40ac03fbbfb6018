// The contrast of two colours and texts kept readable on their backgrounds.
#include "common/core/contrast.h"

#include <algorithm>
#include <cmath>

namespace vexmoor {

namespace {

double Channel(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const Rgb& rgb)
{
    return 0.2126 * Channel(rgb.red) + 0.7152 * Channel(rgb.green) + 0.0722 * Channel(rgb.blue);
}

Rgb Mix(const Rgb& from, const Rgb& to, double share)
{
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

} // namespace

double ContrastRatio(const Rgb& a, const Rgb& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableOn(const Rgb& text, const Rgb& background)
{
    if (ContrastRatio(text, background) >= kMinimumTextContrast)
        return text;
    const Rgb black {0, 0, 0};
    const Rgb white {255, 255, 255};
    const Rgb target =
        ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
    // Sixty-four steps are finer than a component's rounding would show.
    for (int step = 1; step <= 64; ++step) {
        const Rgb mixed = Mix(text, target, step / 64.0);
        if (ContrastRatio(mixed, background) >= kMinimumTextContrast)
            return mixed;
    }
    return target;
}

} // namespace vexmoor
