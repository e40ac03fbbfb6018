// The graph's texts for screen readers.
#include "breakeven/core/graph_text.h"

#include <cmath>

namespace vexmoor {

namespace {

std::string Amount(double value, const RegionalFormat& format)
{
    return FormatAmount(value, 2, format);
}

std::string Units(double value, const RegionalFormat& format)
{
    return FormatAmount(value, 0, format);
}

} // namespace

std::string GraphDescription(const GraphGrid& grid, const BreakEvenFigures& figures,
                             std::string_view breakEvenUnits, const RegionalFormat& format,
                             TextLookup lookup)
{
    if (!grid.labelled || grid.rows.empty())
        return LookUp(lookup, VEXMOOR_TR_NOOP("Graph", "No graph: the units to draw are 0."));
    const GraphValues& first = grid.rows.front();
    const GraphValues& last = grid.rows.back();
    const std::string count = Units(static_cast<double>(grid.rows.size()), format);
    std::string text = WithArguments(
        LookUp(lookup,
               VEXMOOR_TR_NOOP("Graph",
                               "Break-even units %1. From 1 to %2 units: total costs from %3 to "
                               "%4, total sales from %5 to %6, fixed costs %7. ")),
        {breakEvenUnits, count, Amount(first.totalCosts, format), Amount(last.totalCosts, format),
         Amount(first.totalSales, format), Amount(last.totalSales, format),
         Amount(first.fixedCosts, format)});
    // Costs F + V x and sales P x meet where the unit contribution P - V pays the fixed costs.
    if (figures.UnitContribution > 0) {
        const double units = figures.FixedCosts / figures.UnitContribution;
        text += WithArguments(
            LookUp(lookup,
                   VEXMOOR_TR_NOOP("Graph", "The cost and sales lines cross at %1 units, at %2.")),
            {Amount(units, format), Amount(units * figures.UnitPrice, format)});
    } else {
        text += LookUp(lookup, VEXMOOR_TR_NOOP("Graph", "The cost and sales lines do not cross."));
    }
    return text;
}

std::string GraphPointDescription(const GraphGrid& grid, int point, const RegionalFormat& format,
                                  TextLookup lookup)
{
    if (!grid.labelled || point < 1 || point > static_cast<int>(grid.rows.size()))
        return {};
    const GraphValues& row = grid.rows[static_cast<std::size_t>(point - 1)];
    return WithArguments(
        LookUp(
            lookup,
            VEXMOOR_TR_NOOP("Graph", "%1 units: total costs %2, total sales %3, fixed costs %4.")),
        {Units(point, format), Amount(row.totalCosts, format), Amount(row.totalSales, format),
         Amount(row.fixedCosts, format)});
}

} // namespace vexmoor
