// Break-even arithmetic: totals, unit contribution, break-even units, analysis lines, graph rows.
//
// The page's ten field texts are the primary store. Every operation here reads the texts it
// needs from a BreakEvenFields array, computes, and writes texts back into the same array in
// order, so a failure half-way leaves the texts written before it in place, as the page shows
// them. Failures are vexmoor::Failure: 13 for a text that is not a number, 6 for a result
// beyond the double range.
#pragma once

#include "common/core/number_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

// The figures the page keeps between events; all start at 0.
struct BreakEvenFigures
{
    double FixedCosts = 0;
    double TotalVariableCosts = 0;
    double TotalCosts = 0;
    double TotalRevenue = 0;
    double UnitPrice = 0;
    double VariableCostPerUnit = 0;
    double UnitContribution = 0;
    std::int16_t GraphUnits = 0;

    friend bool operator==(const BreakEvenFigures&, const BreakEvenFigures&) = default;
};

inline constexpr int kBreakEvenFieldCount = 10;
// Field i: 0 units, 1 unit price, 2 variable costs per unit, 3 fixed costs, 4 total variable
// costs, 5 total costs, 6 total revenue, 7 total profit, 8 unit contribution, 9 break-even units.
using BreakEvenFields = std::array<std::string, kBreakEvenFieldCount>;

// value with exactly `decimals` decimals in the regional format, halves away from zero.
std::string FormatAmount(double value, int decimals, const RegionalFormat& format);

// A regional number text as the amount the computations use: read, written with two decimals
// and read back, so 2.125 becomes 2.13.
double ReadAmount(std::string_view text, const RegionalFormat& format);

// The text a field shows once the focus leaves it: the number as typed (not first rounded to two
// decimals) written with 0 decimals in field 0 and 2 in every other field.
std::string ReformatFieldText(int index, std::string_view text, const RegionalFormat& format);

// The text of a cleared field: zero with the field's decimals in the regional format ("0" in
// field 0; "0.00" in en_US, "0,00" in de_DE in the others).
std::string ClearedFieldText(int index, const RegionalFormat& format);

// The cleared page: every field its cleared text, and every figure back to 0, so that a
// calculation right after clearing uses nothing the page no longer shows.
void ResetBreakEven(BreakEvenFields& fields, BreakEvenFigures& figures,
                    const RegionalFormat& format);

// After the field `index` was edited: fields 4 and 6 (only for index 0 to 2), then 5 and 7,
// each total chained through the two-decimal text of the one before. A total of kAmountLimit or
// more fails as an overflow.
void RecomputeTotals(int index, BreakEvenFields& fields, BreakEvenFigures& figures,
                     const RegionalFormat& format);

// The validation of field `index` as the page runs it when the field is left: RecomputeTotals,
// but an entry the program cannot hold is refused as a whole, leaving every field and figure as
// it was. That is a number beyond the double range, or a total of kAmountLimit or more (Failure
// Overflow), and an amount of kAmountLimit or more in a money field, 1 to 8 (Failure TypeMismatch,
// like a text that is no number). A text that is no number stops at its read as in
// RecomputeTotals, keeping the texts written before it.
void ValidateBreakEvenField(int index, BreakEvenFields& fields, BreakEvenFigures& figures,
                            const RegionalFormat& format);

// Unit contribution into field 8 and break-even units (rounded half to even) into field 9, from
// fields 1 and 2 and the fixed costs of the last RecomputeTotals. A zero contribution divides by
// 1; a negative one gives negative units; one of kAmountLimit or more fails as an overflow.
void ComputeBreakEven(BreakEvenFields& fields, BreakEvenFigures& figures,
                      const RegionalFormat& format);

std::string AnalysisHeader();
// The analysis line for unit count i (1 to 32767): i right-aligned in eight columns, then costs,
// sales and profit after fixed gaps.
std::string AnalysisLine(int i, const BreakEvenFigures& figures, const RegionalFormat& format);
// The same line appended to `out`; on a failure `out` is left as it was.
void AppendAnalysisLine(std::string& out, int i, const BreakEvenFigures& figures,
                        const RegionalFormat& format);

// Text lines kept end to end in one buffer: tens of thousands of analysis lines without an
// allocation each.
class TextLines
{
public:
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t line) const
    {
        const std::size_t begin = line == 0 ? 0 : m_ends[line - 1];
        return std::string_view(m_text).substr(begin, m_ends[line] - begin);
    }
    std::string_view front() const { return (*this)[0]; }
    void reserve(std::size_t lines, std::size_t characters)
    {
        m_ends.reserve(lines);
        m_text.reserve(characters);
    }
    void push_back(std::string_view line)
    {
        m_text += line;
        m_ends.push_back(m_text.size());
    }
    // Appends a line that `write` adds to the end of the buffer.
    template<typename Write> void Append(Write write)
    {
        write(m_text);
        m_ends.push_back(m_text.size());
    }

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
};

// The values of one point of the graph: "Total Costs", "Total Sales" and "Fixed Costs",
// unrounded.
struct GraphValues
{
    double totalCosts = 0;
    double totalSales = 0;
    double fixedCosts = 0;
};

GraphValues GraphRowValues(int i, const BreakEvenFigures& figures);

// The grid handed to the chart: normally one labelled row per unit count with three values;
// for the cleared units text "0" a single unlabelled row with two values, both 0. Row p (1-based)
// is the point for unit count p.
struct GraphGrid
{
    int seriesCount = 3;
    bool labelled = true;
    std::vector<GraphValues> rows;

    // The value of series s (1-based) at row p (1-based); false when the grid has none there.
    bool Value(int series, int point, double& value) const;
};

// The rows (1-based, rising) from which series `series` of the grid is drawn as straight lines:
// the first, the last and those where the line bends, so that the lines between them pass
// within `tolerance` of every row's value. The three lines are straight in the unit count, and
// rounding in their values is far below any tolerance a picture needs, so each gives its first
// and last row; a line that really bends keeps its corners. Empty for a series the grid lacks.
std::vector<int> LineCorners(const GraphGrid& grid, int series, double tolerance);

// What one run of the graph routine produces: the analysis list and the grid.
struct BreakEvenAnalysis
{
    TextLines lines; // header, then one line per unit count
    bool extentSet = false; // the list's sideways scroll width is set after filling it
    GraphGrid grid;
};

// The units text as a 16-bit whole number: group separators accepted, a fraction rounded half to
// even. Throws 13 for a text that is not a number and 6 outside -32768 to 32767.
std::int16_t GraphUnitsFromText(std::string_view text, const RegionalFormat& format);

// The graph routine's work: sets figures.GraphUnits from the units text and fills `analysis`
// (which must start empty). On a failure (units not a 16-bit number, a negative count after the
// header, an overflow) it throws and `analysis` keeps what was added before, for the caller to
// show; the grid is then incomplete and must not reach the chart.
void BuildBreakEvenAnalysis(std::string_view unitsText, BreakEvenFigures& figures,
                            const RegionalFormat& format, BreakEvenAnalysis& analysis);

// A data point's value as the point message writes it: the shortest digits that read back to
// the same number, the regional decimal separator and minus sign, no grouping (20, 26.5).
std::string DataPointText(double value, const RegionalFormat& format);

} // namespace vexmoor
