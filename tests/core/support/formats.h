// Regional formats of several regions, built by hand so that core tests need no system locale.
#pragma once

#include "common/core/number_text.h"

namespace vexmoor::test {

inline RegionalFormat EnUs() { return {".", ",", 3, 3, "-"}; }
inline RegionalFormat DeDe() { return {",", ".", 3, 3, "-"}; }
inline RegionalFormat FrFr() { return {",", "\u202F", 3, 3, "-"}; }
inline RegionalFormat DeCh() { return {".", "\u2019", 3, 3, "-"}; }
inline RegionalFormat HiIn() { return {".", ",", 3, 2, "-"}; }

} // namespace vexmoor::test
