// The colour scheme of the pages' decorative panels, applied when the window loads, in this order.
// The Disclaimer page's panel is not in the table: it keeps its design colours.
#pragma once

#include <array>
#include <string_view>

namespace vexmoor {

struct Rgb
{
    int red, green, blue;
    constexpr bool operator==(const Rgb&) const = default;
};

struct PanelColors
{
    std::string_view name;
    int index;
    Rgb outline;
    Rgb fill;
};

inline constexpr auto kPanelColors = std::to_array<PanelColors>({
    {"shpVexmr", 0, {34, 139, 34}, {143, 188, 143}},
    {"shpVexmr", 1, {205, 133, 63}, {255, 255, 255}},
    {"shpBeVAny", 0, {100, 149, 237}, {135, 206, 250}},
    {"shpBeVAny", 1, {34, 139, 34}, {143, 188, 143}},
    {"shpBeVAny", 2, {205, 133, 63}, {245, 222, 179}},
    {"shpLonCal", 0, {100, 149, 237}, {135, 206, 250}},
    {"shpLonCal", 1, {205, 133, 63}, {245, 222, 179}},
    {"shpLonCal", 2, {34, 139, 34}, {143, 188, 143}},
});

} // namespace vexmoor
