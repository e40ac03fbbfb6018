// Fuzz target for the loan core: both calculations, the schedule and the entry rewriting, in
// random order on one shared state, as the two entry pages and the schedule list share it.
//
// Input: a region choice, then up to kMaxSteps steps. A step is a choice of what to do, then:
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

#include <cmath>
#include <vector>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

constexpr int kMaxSteps = 12;
// Longer schedules only repeat, row after row, what shorter ones do, and would slow the fuzzer
// down a hundredfold; the row count's own limit is checked whatever the count.
constexpr int kMaxRows = 400;

template<std::size_t Count>
std::string_view PickLabel(FuzzInput& input, const std::array<std::string_view, Count>& labels)
{
    const auto choice = static_cast<std::size_t>(input.Choice(static_cast<int>(Count) + 1));
    return choice < Count ? labels[choice] : std::string_view {};
}

// The result field's text reads back as the result rounded to one decimal, ties to even.
void CheckShown(std::string_view text, double result, const RegionalFormat& format)
{
    const double shown = ReadBack(text, format, "a result text reads");
    Require(std::isfinite(result) && shown == RoundHalfEven(result, 1),
            "a result text reads back as the result rounded to one decimal", text);
    Require(text.size() > 2 &&
                text.find_first_not_of("0123456789", text.size() - 2) == std::string::npos,
            "a result text has two decimals", text);
}

void Calculate(FuzzInput& input, bool repayment, LoanState& state, const RegionalFormat& format)
{
    LoanEntries entries;
    entries.ratePeriod = PickLabel(input, kRatePeriodLabels);
    entries.mode = NormaliseRepaymentMode(PickLabel(input, kRepaymentModeLabels));
    entries.loanType = PickLabel(input, kLoanTypeLabels);
    entries.amount = input.Line();
    entries.rate = input.Line();
    entries.term = input.Line();

    int shows = 0;
    const ShowLoanResult show = [&](const std::string& text) {
        ++shows;
        CheckShown(text, repayment ? state.instalment : state.principal, format);
    };
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, ErrorNumber::DivisionByZero},
        "a calculation fails only by a text that is no number or an arithmetic fault", [&] {
            if (repayment)
                CalculateRepayment(entries, state, format, show);
            else
                CalculatePrincipal(entries, state, format, show);
        });
    Require(shows <= 1 && (failure != 0 || shows == 1), "a calculation shows its result once");
}

// Header, one line per row with the row number and four figures, and the totals line with the
// figures as shown added up.
void BuildSchedule(FuzzInput& input, LoanState& state, const RegionalFormat& format)
{
    LoanScheduleRequest request;
    request.fromRepayment = input.Choice(2) == 0;
    request.principalPageActive = input.Choice(2) == 1;
    request.repaymentLoanType = PickLabel(input, kLoanTypeLabels);
    request.principalLoanType = PickLabel(input, kLoanTypeLabels);

    int rows = 0;
    const int rowFailure = FailureOf([&] { rows = LoanScheduleRowCount(state.instalmentCount); });
    if (rowFailure == 0 && rows > kMaxRows)
        return;
    std::vector<std::string> lines;
    const int failure = RequireFailureIn(
        {ErrorNumber::Overflow, ErrorNumber::DivisionByZero},
        "a schedule fails only by an arithmetic fault", [&] {
            BuildLoanScheduleLines(request, state, format,
                                   [&](std::string&& line) { lines.push_back(std::move(line)); });
        });
    if (rowFailure != 0) {
        Require(failure != 0 && lines.empty(), "a schedule of too many rows writes nothing");
        return;
    }
    const std::size_t expected = static_cast<std::size_t>(std::max(rows, 0)) + 2;
    Require(failure == 0 ? lines.size() == expected : lines.size() < expected,
            "a schedule has a header, one line per row and a totals line");

    std::array<double, 3> sums {};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (failure == 0 && i + 1 == lines.size()) {
            const std::vector<std::string> totals = SplitListLine(lines[i]);
            Require(totals.size() == 4 && totals[0] == "Totals :",
                    "the last line holds three totals", lines[i]);
            for (std::size_t c = 0; c < 3; ++c)
                Require(totals[c + 1] == FormatFixed(sums[c], 2, format),
                        "a total is the sum of its column's figures as shown", lines[i]);
            break;
        }
        const std::vector<std::string> fields = SplitListLine(lines[i]);
        Require(fields.size() == 5, "a row has its number and four figures", lines[i]);
        Require(fields[0] == std::to_string(i), "rows are numbered from 1", lines[i]);
        ReadBack(fields[1], format, "a balance reads");
        for (std::size_t c = 0; c < 3; ++c)
            sums[c] += ReadBack(fields[c + 2], format, "a schedule figure reads");
    }
}

void Rewrite(FuzzInput& input, const RegionalFormat& format)
{
    constexpr int kDecimals[] = {0, 2, 4};
    const int decimals = kDecimals[input.Choice(3)];
    const std::string_view text = input.Line();
    std::string rewritten;
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
        "rewriting an entry fails only for no number or an overflow",
        [&] { rewritten = ReformatLoanEntry(text, decimals, format); }, text);
    if (failure == 0)
        Require(ReadBack(rewritten, format, "a rewritten entry reads") ==
                    RoundHalfAway(ParseNumber(text, format), decimals),
                "a rewritten entry reads back as the entry rounded half away", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = PickRegion(input);
    LoanState state;
    for (int step = 0; step < kMaxSteps && !input.Empty(); ++step) {
        switch (input.Choice(4)) {
        case 0:
            Calculate(input, true, state, format);
            break;
        case 1:
            Calculate(input, false, state, format);
            break;
        case 2:
            BuildSchedule(input, state, format);
            break;
        default:
            Rewrite(input, format);
            break;
        }
    }
    return 0;
}
