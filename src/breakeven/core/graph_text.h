// What the graph says to a screen reader: after a calculation, what it shows; and each point a
// keyboard user steps onto. Amounts in the regional format.
#pragma once

#include "breakeven/core/breakeven.h"
#include "common/core/translatable.h"

#include <string>
#include <string_view>

namespace vexmoor {

// The break-even units (as the page shows them), the first and last values of the cost and
// sales lines, the fixed costs, and where the cost and sales lines cross; for a grid without
// unit counts, that there is no graph yet.
// `lookup` gives the sentences in the user's language.
std::string GraphDescription(const GraphGrid& grid, const BreakEvenFigures& figures,
                             std::string_view breakEvenUnits, const RegionalFormat& format,
                             TextLookup lookup = nullptr);

// Point `point` (1-based) with its unit count and its three values; empty when there is none.
std::string GraphPointDescription(const GraphGrid& grid, int point, const RegionalFormat& format,
                                  TextLookup lookup = nullptr);

} // namespace vexmoor
