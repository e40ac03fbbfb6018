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
                             std::string_view breakEvenUnits, const RegionalFormat& format)
{
    if (!grid.labelled || grid.rows.empty())
        return "No graph: the units to draw are 0.";
    const GraphValues& first = grid.rows.front();
    const GraphValues& last = grid.rows.back();
    const std::string count = Units(static_cast<double>(grid.rows.size()), format);
    std::string text = "Break-even units " + std::string(breakEvenUnits) + ". From 1 to " + count +
        " units: total costs from " + Amount(first.totalCosts, format) + " to " +
        Amount(last.totalCosts, format) + ", total sales from " + Amount(first.totalSales, format) +
        " to " + Amount(last.totalSales, format) + ", fixed costs " +
        Amount(first.fixedCosts, format) + ". ";
    // Costs F + V x and sales P x meet where the unit contribution P - V pays the fixed costs.
    if (figures.UnitContribution > 0) {
        const double units = figures.FixedCosts / figures.UnitContribution;
        text += "The cost and sales lines cross at " + Amount(units, format) + " units, at " +
            Amount(units * figures.UnitPrice, format) + ".";
    } else {
        text += "The cost and sales lines do not cross.";
    }
    return text;
}

std::string GraphPointDescription(const GraphGrid& grid, int point, const RegionalFormat& format)
{
    if (!grid.labelled || point < 1 || point > static_cast<int>(grid.rows.size()))
        return {};
    const GraphValues& row = grid.rows[static_cast<std::size_t>(point - 1)];
    return Units(point, format) + " units: total costs " + Amount(row.totalCosts, format) +
        ", total sales " + Amount(row.totalSales, format) + ", fixed costs " +
        Amount(row.fixedCosts, format) + ".";
}

} // namespace vexmoor
