// The design's colours, in one table: every fill the window paints comes with the text colour
// that reads on it, so that the window looks the same in a light and a dark theme. A colour is
// either fixed components or one of the desktop's own colours (which follow the user's theme).
// The panels' colour scheme is applied when the window loads, in the order of the table; the
// Disclaimer page's panel keeps its design colours.
#pragma once

#include "common/core/contrast.h"

#include <array>
#include <optional>
#include <string_view>

namespace vexmoor {

// The desktop's colours the design names; they follow the user's theme.
enum class ThemeColor { None, ButtonFace, ButtonText, Highlight };

struct DesignColor
{
    Rgb rgb {};
    ThemeColor theme = ThemeColor::None; // when not None, the desktop's colour instead of rgb
    constexpr bool operator==(const DesignColor&) const = default;
};

// What a row of the table colours.
enum class Painted {
    PanelAtLoad, // a page's panel, coloured when the window loads; labels on it take its text
    DesignPanel, // a panel in its design colours (before loading, and the Disclaimer's for good)
    Display, // the calculator display
    ResultField, // a field written only by the program
    WhiteResultField, // the two result fields the design gives a white background
    Disclaimer, // the disclaimer paragraph, opaque
    Link, // link labels: transparent; the text is made to read on what lies behind
};

struct DesignColors
{
    Painted what;
    std::string_view name; // the panel's control name, for PanelAtLoad rows
    int index;
    DesignColor outline;
    DesignColor fill;
    DesignColor text;
};

inline constexpr DesignColor kBlack {{0, 0, 0}};
inline constexpr DesignColor kWhite {{255, 255, 255}};
inline constexpr DesignColor kButtonFace {{240, 240, 240}, ThemeColor::ButtonFace};
inline constexpr DesignColor kButtonText {{0, 0, 0}, ThemeColor::ButtonText};
inline constexpr DesignColor kHighlight {{0, 120, 215}, ThemeColor::Highlight};

// clang-format off
inline constexpr auto kDesignColors = std::to_array<DesignColors>({
    // what                       name         index  outline             fill                text
    {Painted::PanelAtLoad,       "shpVexmr",   0,     {{34, 139, 34}},    {{143, 188, 143}},  kBlack},
    {Painted::PanelAtLoad,       "shpVexmr",   1,     {{205, 133, 63}},   kWhite,             kBlack},
    {Painted::PanelAtLoad,       "shpBeVAny",  0,     {{100, 149, 237}},  {{135, 206, 250}},  kBlack},
    {Painted::PanelAtLoad,       "shpBeVAny",  1,     {{34, 139, 34}},    {{143, 188, 143}},  kBlack},
    {Painted::PanelAtLoad,       "shpBeVAny",  2,     {{205, 133, 63}},   {{245, 222, 179}},  kBlack},
    {Painted::PanelAtLoad,       "shpLonCal",  0,     {{100, 149, 237}},  {{135, 206, 250}},  kBlack},
    {Painted::PanelAtLoad,       "shpLonCal",  1,     {{205, 133, 63}},   {{245, 222, 179}},  kBlack},
    {Painted::PanelAtLoad,       "shpLonCal",  2,     {{34, 139, 34}},    {{143, 188, 143}},  kBlack},
    {Painted::DesignPanel,       {},           -1,    {{192, 192, 192}},  kButtonFace,        kButtonText},
    {Painted::Display,           {},           -1,    {},                 kBlack,             {{0, 255, 0}}},
    {Painted::ResultField,       {},           -1,    {},                 kButtonFace,        kButtonText},
    {Painted::WhiteResultField,  {},           -1,    {},                 kWhite,             kBlack},
    {Painted::Disclaimer,        {},           -1,    {},                 kButtonFace,        kButtonText},
    {Painted::Link,              {},           -1,    {},                 {},                 kHighlight},
});
// clang-format on

// The row for everything but the panels coloured at load.
const DesignColors& ColorsOf(Painted what);

} // namespace vexmoor
