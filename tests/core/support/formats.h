// Regional formats of several regions, built by hand so that core tests need no system locale.
// The characters are those Qt 6.4's locale data gives (checked by the window-side test):
// fr_FR groups with U+202F narrow no-break space, de_CH with U+2019 right single quotation mark,
// sv_SE with U+00A0 no-break space and writes U+2212 as its minus sign.
#pragma once

#include "common/core/number_text.h"

#include <array>

namespace vexmoor::test {

inline RegionalFormat EnUs()
{
    return {".", ",", 3, 3, "-"};
}
inline RegionalFormat DeDe()
{
    return {",", ".", 3, 3, "-"};
}
inline RegionalFormat FrFr()
{
    return {",", "\u202F", 3, 3, "-"};
}
inline RegionalFormat DeCh()
{
    return {".", "\u2019", 3, 3, "-"};
}
inline RegionalFormat HiIn()
{
    return {".", ",", 3, 2, "-"};
}
inline RegionalFormat SvSe()
{
    return {",", "\u00A0", 3, 3, "\u2212"};
}

// All of the above, and a region that writes no grouping at all.
inline const std::array<RegionalFormat, 7> kRegions = {
    EnUs(), DeDe(), FrFr(), DeCh(), HiIn(), SvSe(), RegionalFormat {".", "", 3, 3, "-"}};

} // namespace vexmoor::test
