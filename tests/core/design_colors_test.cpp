// The design's colours: the contrast measure, texts made readable, and every fixed fill of the
// table paired with a text colour that reads on it.
#include "shell/core/design_colors.h"

#include <gtest/gtest.h>

namespace vexmoor {
namespace {

TEST(DesignColors, ContrastRatio)
{
    const struct
    {
        const char* name;
        Rgb a, b;
        double ratio;
    } rows[] = {
        {"black on white", {0, 0, 0}, {255, 255, 255}, 21.0},
        {"the same colour", {120, 40, 200}, {120, 40, 200}, 1.0},
        {"green on black", {0, 255, 0}, {0, 0, 0}, 15.3},
        {"mid grey on white", {118, 118, 118}, {255, 255, 255}, 4.54},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(ContrastRatio(row.a, row.b), row.ratio, 0.01) << row.name;
}

TEST(DesignColors, ReadableOn)
{
    const struct
    {
        const char* name;
        Rgb text, background;
        bool unchanged;
    } rows[] = {
        {"dark blue on white stays", {0, 0, 205}, {255, 255, 255}, true},
        {"light blue on white darkens", {48, 140, 198}, {255, 255, 255}, false},
        {"blue on dark grey lightens", {42, 130, 218}, {53, 53, 53}, false},
    };
    for (const auto& row : rows) {
        const Rgb readable = ReadableOn(row.text, row.background);
        EXPECT_GE(ContrastRatio(readable, row.background), kMinimumTextContrast) << row.name;
        EXPECT_EQ(readable == row.text, row.unchanged) << row.name;
    }
}

// Fills and texts in fixed colours read on each other; the desktop's own pairs are the theme's.
TEST(DesignColors, EveryFixedFillHasAReadableText)
{
    for (const DesignColors& row : kDesignColors) {
        if (row.fill.theme != ThemeColor::None || row.text.theme != ThemeColor::None)
            continue;
        EXPECT_GE(ContrastRatio(row.fill.rgb, row.text.rgb), kMinimumTextContrast)
            << row.name << " " << row.index;
    }
}

} // namespace
} // namespace vexmoor
