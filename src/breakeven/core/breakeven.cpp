// Break-even arithmetic. Amounts are rounded to two decimals by going through their displayed
// texts (ReadAmount), so what the computations use is exactly what the page shows.
#include "breakeven/core/breakeven.h"

#include "common/core/translatable.h"
#include "errors/core/failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vexmoor {

namespace {

enum Field {
    kUnits = 0,
    kUnitPrice = 1,
    kVariableCostPerUnit = 2,
    kFixedCosts = 3,
    kTotalVariableCosts = 4,
    kTotalCosts = 5,
    kTotalRevenue = 6,
    kTotalProfit = 7,
    kUnitContribution = 8,
    kBreakEvenUnits = 9,
};

// Column gaps of the analysis table; only the unit count is aligned.
constexpr std::size_t kUnitsWidth = 8;
constexpr std::size_t kGapBeforeCosts = 22;
constexpr std::size_t kGapBeforeSales = 20;
constexpr std::size_t kGapBeforeProfit = 21;
// Enough room for most lines, when the longest cannot be known.
constexpr std::size_t kTypicalLineLength = 96;

double Costs(int i, const BreakEvenFigures& figures)
{
    return CheckedResult(i * figures.VariableCostPerUnit + figures.FixedCosts);
}

double Sales(int i, const BreakEvenFigures& figures)
{
    return CheckedResult(i * figures.UnitPrice);
}

// Computed afresh from the figures, not from the two rounded amounts.
double Profit(int i, const BreakEvenFigures& figures)
{
    return CheckedResult(i * figures.UnitPrice -
                         (i * figures.VariableCostPerUnit + figures.FixedCosts));
}

// A money total the page shows; from kAmountLimit on it could not be shown to the cent.
double CheckedAmount(double value)
{
    if (!IsHoldableAmount(CheckedResult(value), 2))
        throw Failure(ErrorNumber::Overflow);
    return value;
}

bool IsMoneyField(int index)
{
    return index >= kUnitPrice && index <= kUnitContribution;
}

// The entry itself, before anything is computed from it: beyond the double range, or money the
// program cannot hold. A text that is no number passes here; RecomputeTotals reports it at its
// read, after the texts it writes before that read, as it always has.
void CheckEntryRange(int index, std::string_view text, const RegionalFormat& format)
{
    double value = 0;
    try {
        value = ParseNumber(text, format);
    } catch (const Failure& failure) {
        if (failure.Number() == static_cast<std::int32_t>(ErrorNumber::Overflow))
            throw;
        return;
    }
    if (IsMoneyField(index) && !IsHoldableAmount(value, 2))
        throw Failure(ErrorNumber::TypeMismatch);
}

// The length of the longest analysis line of units 1 to `units`. Each amount is linear in the
// unit count, so its text is longest at one end or the other; a line that cannot be made leaves
// a typical length.
std::size_t LongestLine(int units, const BreakEvenFigures& figures, const RegionalFormat& format)
{
    if (units < 1)
        return kTypicalLineLength;
    try {
        return std::max(AnalysisLine(1, figures, format).size(),
                        AnalysisLine(units, figures, format).size());
    } catch (const Failure&) {
        return kTypicalLineLength;
    }
}

} // namespace

std::string FormatAmount(double value, int decimals, const RegionalFormat& format)
{
    return FormatFixed(value, decimals, format);
}

double ReadAmount(std::string_view text, const RegionalFormat& format)
{
    return ParseNumber(FormatAmount(ParseNumber(text, format), 2, format), format);
}

std::string ReformatFieldText(int index, std::string_view text, const RegionalFormat& format)
{
    return FormatAmount(ParseNumber(text, format), index == kUnits ? 0 : 2, format);
}

std::string ClearedFieldText(int index, const RegionalFormat& format)
{
    // Field 9 shows whole units once calculated, but is cleared with two decimals like the rest.
    return FormatAmount(0, index == kUnits ? 0 : 2, format);
}

void ResetBreakEven(BreakEvenFields& fields, BreakEvenFigures& figures,
                    const RegionalFormat& format)
{
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        fields[static_cast<std::size_t>(i)] = ClearedFieldText(i, format);
    figures = BreakEvenFigures {};
}

void RecomputeTotals(int index, BreakEvenFields& fields, BreakEvenFigures& figures,
                     const RegionalFormat& format)
{
    figures.FixedCosts = 0;
    figures.TotalVariableCosts = 0;
    figures.TotalCosts = 0;
    figures.TotalRevenue = 0;

    if (index == kUnits || index == kUnitPrice || index == kVariableCostPerUnit) {
        const double units = ReadAmount(fields[kUnits], format);
        fields[kTotalVariableCosts] = FormatAmount(
            CheckedAmount(units * ReadAmount(fields[kVariableCostPerUnit], format)), 2, format);
        fields[kTotalRevenue] =
            FormatAmount(CheckedAmount(units * ReadAmount(fields[kUnitPrice], format)), 2, format);
    }

    figures.FixedCosts = ReadAmount(fields[kFixedCosts], format);
    figures.TotalVariableCosts = ReadAmount(fields[kTotalVariableCosts], format);
    fields[kTotalCosts] =
        FormatAmount(CheckedAmount(figures.FixedCosts + figures.TotalVariableCosts), 2, format);

    figures.TotalCosts = ReadAmount(fields[kTotalCosts], format);
    figures.TotalRevenue = ReadAmount(fields[kTotalRevenue], format);
    fields[kTotalProfit] =
        FormatAmount(CheckedAmount(figures.TotalRevenue - figures.TotalCosts), 2, format);
}

void ValidateBreakEvenField(int index, BreakEvenFields& fields, BreakEvenFigures& figures,
                            const RegionalFormat& format)
{
    if (index >= 0 && index < kBreakEvenFieldCount)
        CheckEntryRange(index, fields[static_cast<std::size_t>(index)], format);
    const BreakEvenFields fieldsBefore = fields;
    const BreakEvenFigures figuresBefore = figures;
    try {
        RecomputeTotals(index, fields, figures, format);
    } catch (const Failure& failure) {
        // No later calculation may use a figure that the fields no longer show.
        if (failure.Number() == static_cast<std::int32_t>(ErrorNumber::Overflow)) {
            fields = fieldsBefore;
            figures = figuresBefore;
        }
        throw;
    }
}

void ComputeBreakEven(BreakEvenFields& fields, BreakEvenFigures& figures,
                      const RegionalFormat& format)
{
    figures.UnitPrice = ReadAmount(fields[kUnitPrice], format);
    figures.VariableCostPerUnit = ReadAmount(fields[kVariableCostPerUnit], format);
    fields[kUnitContribution] =
        FormatAmount(CheckedAmount(figures.UnitPrice - figures.VariableCostPerUnit), 2, format);
    figures.UnitContribution = ReadAmount(fields[kUnitContribution], format);

    const double divisor = figures.UnitContribution == 0 ? 1 : figures.UnitContribution;
    const double quotient = CheckedResult(figures.FixedCosts / divisor);
    fields[kBreakEvenUnits] = FormatAmount(RoundHalfEven(quotient, 0), 0, format);
}

std::string AnalysisHeader()
{
    // clang-format off
    return VEXMOOR_TR_NOOP("Lists", "Units") "                "
           VEXMOOR_TR_NOOP("Lists", "Total Costs") "                "
           VEXMOOR_TR_NOOP("Lists", "Total Sales") "                "
           VEXMOOR_TR_NOOP("Lists", "Profit");
    // clang-format on
}

std::string AnalysisLine(int i, const BreakEvenFigures& figures, const RegionalFormat& format)
{
    std::string line;
    AppendAnalysisLine(line, i, figures, format);
    return line;
}

void AppendAnalysisLine(std::string& out, int i, const BreakEvenFigures& figures,
                        const RegionalFormat& format)
{
    const std::string costs = FormatAmount(Costs(i, figures), 2, format);
    const std::string sales = FormatAmount(Sales(i, figures), 2, format);
    const std::string profit = FormatAmount(Profit(i, figures), 2, format);

    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, i).ptr;
    const auto digitCount = static_cast<std::size_t>(end - digits);
    const std::size_t unitsWidth = std::max<std::size_t>(kUnitsWidth, digitCount);
    // The whole line at once, blank, then each piece copied to its place: tens of thousands of
    // lines are made per calculation.
    const std::size_t at = out.size();
    out.resize(at + unitsWidth + kGapBeforeCosts + costs.size() + kGapBeforeSales + sales.size() +
                   kGapBeforeProfit + profit.size(),
               ' ');
    char* p = out.data() + at + unitsWidth - digitCount;
    const auto put = [&p](const char* text, std::size_t size, std::size_t gapAfter) {
        std::memcpy(p, text, size);
        p += size + gapAfter;
    };
    put(digits, digitCount, kGapBeforeCosts);
    put(costs.data(), costs.size(), kGapBeforeSales);
    put(sales.data(), sales.size(), kGapBeforeProfit);
    put(profit.data(), profit.size(), 0);
}

GraphValues GraphRowValues(int i, const BreakEvenFigures& figures)
{
    return {Costs(i, figures), Sales(i, figures), figures.FixedCosts};
}

bool GraphGrid::Value(int series, int point, double& value) const
{
    if (series < 1 || series > seriesCount || point < 1 || point > static_cast<int>(rows.size()))
        return false;
    const GraphValues& row = rows[static_cast<std::size_t>(point - 1)];
    value = series == 1 ? row.totalCosts : series == 2 ? row.totalSales : row.fixedCosts;
    return true;
}

std::vector<int> LineCorners(const GraphGrid& grid, int series, double tolerance)
{
    const int rows = static_cast<int>(grid.rows.size());
    std::vector<int> corners;
    double value = 0;
    if (!grid.Value(series, 1, value))
        return corners;
    const double GraphValues::*member = &GraphValues::fixedCosts;
    if (series == 1)
        member = &GraphValues::totalCosts;
    else if (series == 2)
        member = &GraphValues::totalSales;
    const auto at = [&](int row) { return grid.rows[static_cast<std::size_t>(row - 1)].*member; };
    // The usual case first, in one cheap pass: the straight line from the first row to the last
    // passes within the tolerance of every row.
    if (rows > 1) {
        const double first = at(1);
        const double step = (at(rows) - first) / (rows - 1);
        bool straight = true;
        for (int row = 2; row < rows; ++row)
            straight &= std::fabs(first + step * (row - 1) - at(row)) <= tolerance;
        if (straight)
            return {1, rows};
    }
    // From each corner the line runs on while one straight line from it can still pass within
    // the tolerance of every row on the way: each row narrows the slopes such a line may take.
    corners.push_back(1);
    int corner = 1;
    double cornerValue = at(1);
    double lowest = -std::numeric_limits<double>::infinity();
    double highest = std::numeric_limits<double>::infinity();
    for (int row = 2; row <= rows; ++row) {
        const double rowValue = at(row);
        const double slope = (rowValue - cornerValue) / (row - corner);
        if (!(slope >= lowest && slope <= highest)) {
            corner = row - 1;
            cornerValue = at(corner);
            corners.push_back(corner);
            lowest = -std::numeric_limits<double>::infinity();
            highest = std::numeric_limits<double>::infinity();
        }
        lowest = std::max(lowest, (rowValue - tolerance - cornerValue) / (row - corner));
        highest = std::min(highest, (rowValue + tolerance - cornerValue) / (row - corner));
    }
    if (rows > 1)
        corners.push_back(rows);
    return corners;
}

std::int16_t GraphUnitsFromText(std::string_view text, const RegionalFormat& format)
{
    const double units = RoundHalfEven(ParseNumber(text, format), 0);
    if (!(units >= -32768 && units <= 32767))
        throw Failure(ErrorNumber::Overflow);
    return static_cast<std::int16_t>(units);
}

void BuildBreakEvenAnalysis(std::string_view unitsText, BreakEvenFigures& figures,
                            const RegionalFormat& format, BreakEvenAnalysis& analysis)
{
    figures.GraphUnits = GraphUnitsFromText(unitsText, format);

    // Exactly the cleared text: "0.00" or "00" are counts like any other.
    if (unitsText == ClearedFieldText(kUnits, format)) {
        figures.GraphUnits = 1;
        analysis.grid.seriesCount = 2;
        analysis.grid.labelled = false;
        analysis.grid.rows.push_back(GraphValues {});
        return;
    }

    const auto units = static_cast<std::size_t>(std::max<int>(figures.GraphUnits, 0));
    analysis.lines.reserve(units + 1,
                           (units + 1) * LongestLine(figures.GraphUnits, figures, format));
    analysis.lines.push_back(AnalysisHeader());
    if (figures.GraphUnits < 0)
        throw Failure(ErrorNumber::InvalidProcedureCall);
    analysis.grid.rows.reserve(units);
    for (int i = 1; i <= figures.GraphUnits; ++i) {
        analysis.grid.rows.push_back(GraphRowValues(i, figures));
        analysis.lines.Append(
            [&](std::string& out) { AppendAnalysisLine(out, i, figures, format); });
    }
    analysis.extentSet = true;
}

std::string DataPointText(double value, const RegionalFormat& format)
{
    if (!std::isfinite(value))
        throw Failure(ErrorNumber::Overflow);
    if (value == 0)
        return "0";
    // Fixed notation without a precision: the shortest digits that read back to the same double.
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed)
            .ptr;
    std::string text = value < 0 ? format.minusSign : std::string();
    for (const char* p = digits; p != end; ++p) {
        if (*p == '.')
            text += format.decimalSeparator;
        else
            text += *p;
    }
    return text;
}

} // namespace vexmoor
