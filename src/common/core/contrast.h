// Colours as red, green and blue components, and how well one reads on another: the contrast
// ratio of the Web Content Accessibility Guidelines, and a text colour moved just far enough to
// reach the contrast every text needs.
#pragma once

namespace vexmoor {

struct Rgb
{
    int red, green, blue;
    constexpr bool operator==(const Rgb&) const = default;
};

// From 1 (the same colour) to 21 (black on white).
double ContrastRatio(const Rgb& a, const Rgb& b);

// The contrast every text must reach against its background.
inline constexpr double kMinimumTextContrast = 4.5;

// `text` itself when it reaches the minimum contrast on `background`; otherwise `text` moved
// towards black or white, whichever reads better there, just far enough to reach it.
Rgb ReadableOn(const Rgb& text, const Rgb& background);

} // namespace vexmoor
