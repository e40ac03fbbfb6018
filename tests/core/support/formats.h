// Regional formats of several regions, built by hand so that core tests need no system locale.
// The characters are those Qt 6.4's locale data gives (checked by the window-side test):
// fr_FR groups with U+202F narrow no-break space, de_CH with U+2019 right single quotation mark,
// sv_SE with U+00A0 no-break space and writes U+2212 as its minus sign.
#pragma once

#include "common/core/number_text.h"

#include <array>

namespace vexmoor::test {

// Each a function, so that a test can change its copy.
inline const auto EnUs = [] { return RegionalFormat {".", ",", 3, 3, "-"}; };
inline const auto DeDe = [] { return RegionalFormat {",", ".", 3, 3, "-"}; };
inline const auto FrFr = [] { return RegionalFormat {",", "\u202F", 3, 3, "-"}; };
inline const auto DeCh = [] { return RegionalFormat {".", "\u2019", 3, 3, "-"}; };
inline const auto HiIn = [] { return RegionalFormat {".", ",", 3, 2, "-"}; };
inline const auto SvSe = [] { return RegionalFormat {",", "\u00A0", 3, 3, "\u2212"}; };

// All of the above, and a region that writes no grouping at all.
inline const std::array<RegionalFormat, 7> kRegions = {
    EnUs(), DeDe(), FrFr(), DeCh(), HiIn(), SvSe(), RegionalFormat {".", "", 3, 3, "-"}};

} // namespace vexmoor::test
