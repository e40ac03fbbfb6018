// The loan schedule lines. Every balance, product and quotient is tested before it is stored, so a
// failing build never leaves an infinity in the loan state.
#include "loan/core/loan_schedule.h"

#include "common/core/translatable.h"
#include "loan/core/loan_arithmetic.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace vexmoor {

namespace {

using loan_detail::FaultWatch;

constexpr int kSeparator = 11; // blanks between the fields of a row
constexpr int kNumberWidth = 4;

void AppendBlanks(std::string& line, int count)
{
    // A row number wider than its column stands without padding.
    if (count > 0)
        line.append(static_cast<std::size_t>(count), ' ');
}

int NumberLength(int number)
{
    char digits[12];
    return static_cast<int>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
}

std::string HeaderLine()
{
    std::string line;
    AppendBlanks(line, 2);
    line += '#';
    AppendBlanks(line, 15);
    line += VEXMOOR_TR_NOOP("Lists", "Balance");
    AppendBlanks(line, 12);
    line += VEXMOOR_TR_NOOP("Lists", "Instalment");
    AppendBlanks(line, 12);
    line += VEXMOOR_TR_NOOP("Lists", "Principal");
    AppendBlanks(line, 12);
    line += VEXMOOR_TR_NOOP("Lists", "Interest");
    return line;
}

// The number a text that FormatFixed wrote stands for: its digits, its decimal separator and its
// minus sign, the group separators skipped. Equal to ParseLoanNumber of the same text, without the
// checks a typed text needs.
double ReadBackShown(std::string_view text, const RegionalFormat& format)
{
    const std::string_view whole = text;
    char plain[40] = {};
    std::size_t length = 0;
    const bool negative = !format.minusSign.empty() && text.starts_with(format.minusSign);
    if (negative)
        text.remove_prefix(format.minusSign.size());
    while (!text.empty()) {
        if (length + 1 >= sizeof plain) // amounts beyond 10^30: the general reader
            return ParseLoanNumber(whole, format);
        if (text.starts_with(format.decimalSeparator)) {
            plain[length++] = '.';
            text.remove_prefix(format.decimalSeparator.size());
        } else {
            if (text.front() >= '0' && text.front() <= '9')
                plain[length++] = text.front();
            text.remove_prefix(1);
        }
    }
    double value = 0;
    std::from_chars(plain, plain + length, value);
    return negative ? -value : value;
}

// A figure as a row shows it, and the figure that text reads back as.
struct Shown
{
    std::string text;
    double readBack = 0;
};

// One column of figures that the totals add. Most columns repeat one figure row after row (the
// annuity's instalment, every flat-rate figure, the reducing-balance principal), so the last
// figure's text is kept and reused while the figure does not change.
class ShownColumn
{
public:
    // Two decimals, halves away from zero.
    const Shown& Amount(double value, const RegionalFormat& format)
    {
        if (!Holds(value)) {
            m_shown.text = FormatFixed(value, 2, format);
            m_shown.readBack = ReadBackShown(m_shown.text, format);
            Remember(value);
        }
        return m_shown;
    }

    // One decimal, ties to even, written with two.
    const Shown& Instalment(double value, const RegionalFormat& format)
    {
        if (!Holds(value)) {
            const double rounded = RoundHalfEven(value, 1);
            m_shown.text = FormatFixed(rounded, 2, format);
            m_shown.readBack = rounded; // one decimal has nothing left to round at two
            Remember(value);
        }
        return m_shown;
    }

private:
    bool Holds(double value) const { return m_valid && m_value == value; }
    void Remember(double value)
    {
        m_value = value;
        m_valid = true;
    }

    Shown m_shown;
    double m_value = 0;
    bool m_valid = false;
};

class ScheduleBuilder
{
public:
    ScheduleBuilder(const LoanScheduleRequest& request, LoanState& state,
                    const RegionalFormat& format)
        : m_request(request)
        , m_state(state)
        , m_format(format)
        , m_repaymentType(RecogniseLoanType(request.repaymentLoanType))
        , m_principalType(RecogniseLoanType(request.principalLoanType))
    { }

    void Build(const LoanScheduleSink& sink)
    {
        const int rows = LoanScheduleRowCount(m_state.instalmentCount);
        m_balance = StartingBalance();
        sink(HeaderLine());
        if (!m_request.fromRepayment) {
            // The principal page's flat-rate portion: the shown instalment less the shown
            // interest, which the principal calculation has just set from its principal.
            m_state.principalPart =
                Checked(ReadBack(FormatLoanAmount(m_state.instalment, m_format)) -
                        ReadBack(FormatFixed(m_state.interestPart, 2, m_format)));
        }
        int row = 1;
        for (; row <= rows; ++row) {
            if (m_request.fromRepayment)
                ProcessRow(m_repaymentType, row);
            if (m_request.principalPageActive)
                ProcessRow(m_principalType, row);
            sink(RowLine(row));
        }
        sink(TotalsLine(row));
    }

private:
    double Checked(double value)
    {
        m_watch.Value(value);
        m_watch.Check();
        return value;
    }

    double ReadBack(const std::string& text) const { return ParseLoanNumber(text, m_format); }

    double StartingBalance()
    {
        const double p = m_state.principal;
        const bool flatRate = (m_request.fromRepayment && m_repaymentType == LoanType::FlatRate) ||
            (m_request.principalPageActive && m_principalType == LoanType::FlatRate);
        if (!flatRate)
            return p;
        // What a flat-rate loan repays in all: the interest of every instalment on the full
        // principal, and the principal.
        const double interest = Checked(m_watch.Multiply(m_state.ratePerInstalment, p));
        const double allInterest = Checked(m_watch.Multiply(interest, m_state.instalmentCount));
        return Checked(m_watch.Add(allInterest, p));
    }

    void ProcessRow(std::optional<LoanType> type, int row)
    {
        LoanState& s = m_state;
        const double r = s.ratePerInstalment;
        if (type == LoanType::Amortize) {
            if (row != 1)
                m_balance = Checked(m_watch.Subtract(m_balance, s.principalPart));
            s.interestPart = Checked(m_watch.Multiply(m_balance, r));
            s.principalPart = Checked(m_watch.Subtract(s.instalment, s.interestPart));
        } else if (type == LoanType::FlatRate) {
            if (row != 1)
                m_balance = Checked(m_watch.Subtract(m_balance, s.instalment));
        } else if (type == LoanType::RedBal) {
            // The fractional count, so that a half instalment's principal is left unpaid.
            s.principalPart = Checked(m_watch.Divide(s.principal, s.instalmentCount));
            if (row != 1)
                m_balance = Checked(m_watch.Subtract(m_balance, s.principalPart));
            s.interestPart = Checked(m_watch.Multiply(m_balance, r));
            s.instalment = Checked(m_watch.Add(s.interestPart, s.principalPart));
        }
    }

    std::string RowLine(int row)
    {
        char number[12];
        const char* numberEnd = std::to_chars(number, number + sizeof number, row).ptr;
        const auto numberLength = static_cast<int>(numberEnd - number);
        const std::string balance = FormatFixed(m_balance, 2, m_format);
        const Shown& instalment = m_instalmentColumn.Instalment(m_state.instalment, m_format);
        const Shown& principal = m_principalColumn.Amount(m_state.principalPart, m_format);
        const Shown& interest = m_interestColumn.Amount(m_state.interestPart, m_format);

        m_instalmentTotal = Checked(m_watch.Add(m_instalmentTotal, instalment.readBack));
        m_principalTotal = Checked(m_watch.Add(m_principalTotal, principal.readBack));
        m_interestTotal = Checked(m_watch.Add(m_interestTotal, interest.readBack));

        std::string line;
        line.reserve(kNumberWidth + 4 * kSeparator + balance.size() + instalment.text.size() +
                     principal.text.size() + interest.text.size());
        AppendBlanks(line, kNumberWidth - numberLength);
        line.append(number, static_cast<std::size_t>(numberLength));
        for (const std::string* field :
             {&balance, &instalment.text, &principal.text, &interest.text}) {
            AppendBlanks(line, kSeparator);
            line += *field;
        }
        return line;
    }

    // The totals stand where the rows have their balance and the other three figures.
    std::string TotalsLine(int endRow) const
    {
        std::string line;
        AppendBlanks(line, kNumberWidth - NumberLength(endRow));
        AppendBlanks(line, kSeparator);
        line += " " VEXMOOR_TR_NOOP("Lists", "Totals :") " ";
        for (double total : {m_instalmentTotal, m_principalTotal, m_interestTotal}) {
            AppendBlanks(line, kSeparator);
            line += FormatFixed(total, 2, m_format);
        }
        return line;
    }

    const LoanScheduleRequest& m_request;
    LoanState& m_state;
    const RegionalFormat& m_format;
    const std::optional<LoanType> m_repaymentType;
    const std::optional<LoanType> m_principalType;
    FaultWatch m_watch;
    ShownColumn m_instalmentColumn;
    ShownColumn m_principalColumn;
    ShownColumn m_interestColumn;
    double m_balance = 0;
    double m_instalmentTotal = 0;
    double m_principalTotal = 0;
    double m_interestTotal = 0;
};

} // namespace

int LoanScheduleRowCount(double instalmentCount)
{
    const double rows = RoundHalfEven(instalmentCount, 0);
    if (!(rows >= -32768 && rows <= 32767))
        throw Failure(ErrorNumber::Overflow);
    return static_cast<int>(rows);
}

void BuildLoanScheduleLines(const LoanScheduleRequest& request, LoanState& state,
                            const RegionalFormat& format, const LoanScheduleSink& sink)
{
    ScheduleBuilder(request, state, format).Build(sink);
}

} // namespace vexmoor
