// Fuzz target for the break-even core: entry rewriting and totals, the calculation, the analysis
// with its graph rows, and the data point text, on one page's fields kept from step to step; each
// fails only as the program reports. (Their figures are the core test's.)
//
// Input: a region choice, then up to 8 steps. A step is a choice of what to do, then:
//   entry:       the field (0 units, 1 unit price, 2 variable cost per unit, 3 fixed costs), then
//                the text typed into it, one line;
//   calculation: nothing more (the calculation and the analysis of the units field);
//   data point:  a line whose first eight bytes are the value.
#include "fuzz_support.h"

#include "breakeven/core/breakeven.h"

#include <cstring>

using namespace vexmoor;
using namespace vexmoor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using enum ErrorNumber;
    FuzzInput input(data, size);
    const RegionalFormat& format = input.Region();
    BreakEvenFields fields; // the cleared page, in the region's own zero texts
    fields.fill(FormatFixed(0, 2, format));
    fields[0] = FormatFixed(0, 0, format);
    BreakEvenFigures figures;
    for (int step = 0; step < 8 && !input.Empty(); ++step) {
        const int action = input.Choice(3);
        if (action == 0) {
            const int index = input.Choice(4);
            const std::string_view text = input.Line();
            fields[std::size_t(index)] = text;
            RequireFailureIn({TypeMismatch, Overflow}, [&] {
                fields[std::size_t(index)] = ReformatFieldText(index, text, format);
            });
            RequireFailureIn(
                {TypeMismatch, Overflow}, [&] { RecomputeTotals(index, fields, figures, format); },
                text);
        } else if (action == 1) {
            std::int16_t units = 0;
            if (RequireFailureIn({TypeMismatch, Overflow},
                                 [&] { ComputeBreakEven(fields, figures, format); }) != 0 ||
                (FailureOf([&] { units = GraphUnitsFromText(fields[0], format); }) == 0 &&
                 units > 400))
                continue; // longer analyses only repeat, slowly
            BreakEvenAnalysis analysis;
            RequireFailureIn(
                {TypeMismatch, Overflow, InvalidProcedureCall},
                [&] { BuildBreakEvenAnalysis(fields[0], figures, format, analysis); }, fields[0]);
            for (const GraphValues& row : analysis.grid.rows)
                RequireFailureIn({Overflow}, [&] {
                    DataPointText(row.totalCosts, format);
                    DataPointText(row.totalSales, format);
                });
        } else {
            const std::string_view bytes = input.Line();
            double value = 0;
            std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
            RequireFailureIn({Overflow}, [&] { DataPointText(value, format); });
        }
    }
    return 0;
}
