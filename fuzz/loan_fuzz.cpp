// Fuzz target for the loan core: both calculations, the schedule and the entry rewriting, in
// random order on one shared state, as the two entry pages and the schedule list share it.
//
// Input: a region choice, then up to 12 steps. A step is a choice of what to do, then:
//   calculation: rate period (4 labels or none), mode (9 labels or none), loan type (3 labels or
//                none), then the amount, rate and term texts, one line each;
//   schedule:    built by the Repayment page or not, Principal page selected or not, the two
//                pages' loan types;
//   rewriting:   the decimals (0, 2 or 4), then the entry text.
#include "common/core/table_text.h"
#include "fuzz_support.h"

#include "loan/core/loan_calculation.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_schedule.h"

#include <vector>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

template<std::size_t Count>
std::string_view Pick(FuzzInput& input, const std::array<std::string_view, Count>& labels)
{
    const auto choice = static_cast<std::size_t>(input.Choice(static_cast<int>(Count) + 1));
    return choice < Count ? labels[choice] : std::string_view {};
}

// A calculation that ends well shows its result once: two decimals, reading back as the result
// rounded to one decimal, ties to even.
void Calculate(FuzzInput& input, bool repayment, LoanState& state, const RegionalFormat& format)
{
    const std::string_view period = Pick(input, kRatePeriodLabels);
    const std::string_view mode = NormaliseRepaymentMode(Pick(input, kRepaymentModeLabels));
    const std::string_view type = Pick(input, kLoanTypeLabels);
    const std::string_view amount = input.Line(), rate = input.Line(), term = input.Line();
    const LoanEntries entries {std::string(amount), std::string(rate), std::string(period),
                               std::string(mode),   std::string(term), std::string(type)};
    int shows = 0;
    const ShowLoanResult show = [&](const std::string& text) {
        ++shows;
        const double result = repayment ? state.instalment : state.principal;
        Require(std::isfinite(result) && text.size() > 2 &&
                    ReadBack(text, format) == RoundHalfEven(result, 1) &&
                    text.find_first_not_of("0123456789", text.size() - 2) == std::string::npos,
                "a result text is the result rounded to one decimal, written with two", text);
    };
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, ErrorNumber::DivisionByZero}, [&] {
            if (repayment)
                CalculateRepayment(entries, state, format, show);
            else
                CalculatePrincipal(entries, state, format, show);
        });
    Require(shows <= 1 && (failure != 0 || shows == 1), "a calculation shows its result once");
}

// A header, one line per row numbered from 1 with four figures that read, and the totals; a
// failing schedule stops short, one of too many rows writes nothing.
void BuildSchedule(FuzzInput& input, LoanState& state, const RegionalFormat& format)
{
    const bool fromRepayment = input.Choice(2) == 0, principalPage = input.Choice(2) == 1;
    const std::string_view repaymentType = Pick(input, kLoanTypeLabels);
    const LoanScheduleRequest request {fromRepayment, principalPage, std::string(repaymentType),
                                       std::string(Pick(input, kLoanTypeLabels))};
    int rows = 0;
    const int rowFailure = FailureOf([&] { rows = LoanScheduleRowCount(state.instalmentCount); });
    if (rowFailure == 0 && rows > 400) // longer schedules only repeat, slowly
        return;
    std::vector<std::string> lines;
    const int failure = RequireFailureIn({ErrorNumber::Overflow, ErrorNumber::DivisionByZero}, [&] {
        BuildLoanScheduleLines(request, state, format,
                               [&](std::string&& line) { lines.push_back(std::move(line)); });
    });
    const std::size_t expected = static_cast<std::size_t>(std::max(rows, 0)) + 2;
    Require(rowFailure != 0 ? failure != 0 && lines.empty()
                            : (failure == 0 ? lines.size() == expected : lines.size() < expected),
            "a schedule has a header, one line per row and a totals line");
    for (std::size_t i = 1; i + (failure == 0 ? 1 : 0) < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitListLine(lines[i]);
        Require(fields.size() == 5 && fields[0] == std::to_string(i),
                "a row has its number and four figures", lines[i]);
        for (std::size_t c = 1; c < 5; ++c)
            ReadBack(fields[c], format);
    }
    if (failure == 0)
        Require(SplitListLine(lines.back()).size() == 4, "a totals line", lines.back());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = input.Region();
    LoanState state;
    for (int step = 0; step < 12 && !input.Empty(); ++step) {
        const int action = input.Choice(4);
        if (action < 2) {
            Calculate(input, action == 0, state, format);
        } else if (action == 2) {
            BuildSchedule(input, state, format);
        } else {
            const int decimals = 2 * input.Choice(3);
            const std::string_view text = input.Line();
            std::string written;
            if (RequireFailureIn(
                    {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
                    [&] { written = ReformatLoanEntry(text, decimals, format); }, text) == 0)
                Require(ReadBack(written, format) ==
                            RoundHalfAway(ParseNumber(text, format), decimals),
                        "a rewritten entry reads back as the entry rounded half away", text);
        }
    }
    return 0;
}
