// Break-even arithmetic: totals, unit contribution, break-even units, analysis lines, graph rows.
#pragma once

#include <cstdint>

namespace vexmoor {

struct BreakEvenFigures {
    double FixedCosts = 0;
    double TotalVariableCosts = 0;
    double TotalCosts = 0;
    double TotalRevenue = 0;
    double UnitPrice = 0;
    double VariableCostPerUnit = 0;
    double UnitContribution = 0;
    std::int16_t GraphUnits = 0;
};

} // namespace vexmoor
