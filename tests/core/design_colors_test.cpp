// The contrast measure, texts made readable, and every fixed fill of the design's colour table
// paired with a text colour that reads on it (the desktop's own pairs are the theme's).
#include "shell/core/design_colors.h"

#include <gtest/gtest.h>

namespace vexmoor {
namespace {

TEST(DesignColors, ContrastAndReadableTexts)
{
    const Rgb white {255, 255, 255}, black {0, 0, 0};
    EXPECT_NEAR(ContrastRatio(black, white), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio({120, 40, 200}, {120, 40, 200}), 1.0, 0.01);
    EXPECT_NEAR(ContrastRatio({0, 255, 0}, black), 15.3, 0.01);
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, white), 4.54, 0.01);
    // Kept when it reads; otherwise darkened on white, lightened on dark grey.
    const struct
    {
        Rgb text, background;
        bool unchanged;
    } rows[] = {{{0, 0, 205}, white, true},
                {{48, 140, 198}, white, false},
                {{42, 130, 218}, {53, 53, 53}, false}};
    for (const auto& row : rows) {
        const Rgb readable = ReadableOn(row.text, row.background);
        EXPECT_GE(ContrastRatio(readable, row.background), kMinimumTextContrast);
        EXPECT_TRUE(row.unchanged || ContrastRatio(readable, row.background) < 5) << row.text.red;
        EXPECT_EQ(readable == row.text, row.unchanged) << row.text.red;
    }
    for (const DesignColors& row : kDesignColors) {
        const bool fixed = row.fill.theme == ThemeColor::None && row.text.theme == ThemeColor::None;
        EXPECT_TRUE(!fixed || ContrastRatio(row.fill.rgb, row.text.rgb) >= kMinimumTextContrast)
            << row.name << " " << row.index;
    }
}

} // namespace
} // namespace vexmoor
