// Regional number texts shared by the break-even and loan subsystems: fixed-decimal formatting,
// the two rounding rules, and reading a regional text back as a number. Nothing here reads the
// process locale; the caller passes the regional format (built from QLocale in platform/).
#pragma once

#include <string>
#include <string_view>

namespace vexmoor {

// How the user's region writes numbers. Separators and the minus sign are UTF-8 texts, since
// several regions use characters outside ASCII (U+202F in fr_FR, U+2019 in de_CH, U+2212).
struct RegionalFormat
{
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    int primaryGroupSize = 3; // digits in the group next to the decimal separator
    int secondaryGroupSize = 3; // digits in every further group (2 in hi_IN: 12,34,567.00)
    std::string minusSign = "-";

    friend bool operator==(const RegionalFormat&, const RegionalFormat&) = default;
};

// The magnitude from which a money amount is refused. Below it an amount with its two decimals has
// at most 15 significant digits, all of which a double holds, so every cent typed is the cent
// shown and used; at 10^14 already, 99,999,999,999,999.99 would read back as ...99.98.
inline constexpr double kAmountLimit = 1e13;
// Whether the amount, rounded to `decimals` as it is shown, lies below kAmountLimit; never for an
// infinite or not-a-number value.
bool IsHoldableAmount(double value, int decimals);

// Whether numbers written in `format` read back as one value only: it has a decimal separator,
// and its group separator differs from it (were both ".", 1.234 could be 1234 or 1.234). A
// region that fails this is served the default format, en_US's, instead.
bool IsUnambiguous(const RegionalFormat& format);

// value written with exactly `decimals` decimals (0 to 15), grouped, leading zero below 1, the
// region's minus sign. An exact half is rounded away from zero, and "half" is judged on the
// shortest decimal text that reads back to the same double (1.005 -> 1.01). A value that rounds
// to zero has no minus sign. Throws Failure(Overflow) for infinity or not-a-number. Every
// finite value is written in full, however large. A group size of 0 or an empty group
// separator writes no grouping. `decimals` outside 0 to 15 throws Failure(InvalidProcedureCall)
// here and in the two rounding functions.
std::string FormatFixed(double value, int decimals, const RegionalFormat& format);

// value rounded to `decimals` decimals (0 for a whole number), an exact half going to the even
// neighbour, judged on the shortest decimal text as above (0.35 -> 0.4, 2.5 -> 2, -2.5 -> -2).
// Non-finite values are returned unchanged; a result of zero is +0, never -0.
double RoundHalfEven(double value, int decimals = 0);

// value rounded to `decimals` decimals with an exact half going away from zero, judged on the
// shortest decimal text; exactly the value that ParseNumber reads back from what FormatFixed
// writes, so callers need not format and read back to get the shown figure.
double RoundHalfAway(double value, int decimals);

// A regional number text read as a double: blanks around it ignored, an optional leading sign
// ("-", "+", U+2212 or the region's minus sign), group separators between digits of the whole part,
// the region's decimal separator, digits after it. Throws Failure(TypeMismatch) for a text that
// is not a number and Failure(Overflow) for a number beyond the double range.
// Group separators must stand where the region puts them (1,234,567 or 12,34,567, never 1,2345),
// so a separator typed by the habit of another region (1.5 in de_DE) is rejected rather than read
// as a different amount. A region grouping with a space also takes U+0020, U+00A0 and U+202F; one
// grouping with an apostrophe takes U+0027 and U+2019. ".5" and "5." are numbers. An exponent
// ("1E+5", "2.5e-3") is accepted after the digits; a number too small for a double reads as 0.
double ParseNumber(std::string_view text, const RegionalFormat& format);

} // namespace vexmoor
