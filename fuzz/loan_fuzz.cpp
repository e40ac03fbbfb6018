// Fuzz target for the loan core: both calculations, the schedule and the entry rewriting, in
// random order on one shared state, as the two entry pages and the schedule list share it; each
// fails only as the program reports. (Their figures are the core test's.)
//
// Input: a region choice, then up to 12 steps. A step is a choice of what to do, then:
//   calculation: rate period (4 labels or none), mode (9 labels or none), loan type (3 labels or
//                none), then the amount, rate and term texts, one line each;
//   schedule:    built by the Repayment page or not, Principal page selected or not, the two
//                pages' loan types;
//   rewriting:   the decimals (0, 2 or 4), then the entry text.
#include "fuzz_support.h"

#include "loan/core/loan_calculation.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_schedule.h"

using namespace vexmoor;
using namespace vexmoor::fuzz;

template<std::size_t Count>
static std::string Pick(FuzzInput& input, const std::array<std::string_view, Count>& labels)
{
    const auto choice = static_cast<std::size_t>(input.Choice(static_cast<int>(Count) + 1));
    return std::string(choice < Count ? labels[choice] : std::string_view {});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using enum ErrorNumber;
    FuzzInput input(data, size);
    const RegionalFormat& format = input.Region();
    LoanState state;
    for (int step = 0; step < 12 && !input.Empty(); ++step) {
        const int action = input.Choice(4);
        if (action < 2) {
            const std::string period = Pick(input, kRatePeriodLabels);
            const std::string mode(NormaliseRepaymentMode(Pick(input, kRepaymentModeLabels)));
            const std::string type = Pick(input, kLoanTypeLabels);
            const std::string amount(input.Line()), rate(input.Line()), term(input.Line());
            const LoanEntries entries {amount, rate, period, mode, term, type};
            const ShowLoanResult show = [](const std::string&) {};
            RequireFailureIn({TypeMismatch, Overflow, DivisionByZero}, [&] {
                action == 0 ? CalculateRepayment(entries, state, format, show)
                            : CalculatePrincipal(entries, state, format, show);
            });
        } else if (action == 2) {
            const bool fromRepayment = input.Choice(2) == 0, principalPage = input.Choice(2) == 1;
            const std::string repaymentType = Pick(input, kLoanTypeLabels);
            const LoanScheduleRequest request {fromRepayment, principalPage, repaymentType,
                                               Pick(input, kLoanTypeLabels)};
            int rows = 0;
            if (FailureOf([&] { rows = LoanScheduleRowCount(state.instalmentCount); }) == 0 &&
                rows > 400)
                continue; // longer schedules only repeat, slowly
            RequireFailureIn({Overflow, DivisionByZero}, [&] {
                BuildLoanScheduleLines(request, state, format, [](std::string&&) {});
            });
        } else {
            const int decimals = 2 * input.Choice(3);
            const std::string_view text = input.Line();
            RequireFailureIn(
                {TypeMismatch, Overflow}, [&] { ReformatLoanEntry(text, decimals, format); }, text);
        }
    }
    return 0;
}
