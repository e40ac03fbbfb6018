// Regional number texts: every rounding works on the shortest decimal digits that read back to
// the same double, so a tie is a tie in the digits the user typed (1.005 is a half, although its
// double lies just below it). Digits come from std::to_chars / std::from_chars only; nothing here
// depends on the process locale.
#include "common/core/number_text.h"

#include "errors/core/failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vexmoor {

namespace {

constexpr int kMaxDecimals = 15;

// A finite double as decimal digits: |value| = 0.d1 d2 ... dn x 10^pointPos, with no trailing
// zero digit; count 0 means zero.
struct Decimal
{
    char digits[24];
    int count = 0;
    int pointPos = 0;
    bool negative = false;
};

Decimal ShortestDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char text[40];
    // Scientific and without precision: the shortest digits that read back to the same double,
    // as "d.ddde+XX".
    const auto result =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    const char* p = text;
    d.digits[d.count++] = *p++;
    if (*p == '.') {
        ++p;
        while (*p != 'e')
            d.digits[d.count++] = *p++;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p; // sign, always written
    int exponent = 0;
    std::from_chars(p, result.ptr, exponent);
    d.pointPos = (negativeExponent ? -exponent : exponent) + 1;
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

enum class Tie { AwayFromZero, ToEven };

// Rounds d in place to `decimals` decimals.
void RoundDecimal(Decimal& d, int decimals, Tie tie)
{
    const int keep = d.pointPos + decimals; // digits that stay
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const char first = d.digits[keep];
    bool up;
    if (first != '5') {
        up = first > '5';
    } else if (tie == Tie::AwayFromZero) {
        up = true;
    } else {
        // The digits have no trailing zero, so any digit after the 5 makes it more than half.
        const bool moreThanHalf = keep + 1 < d.count;
        const bool lastKeptOdd = keep > 0 && (d.digits[keep - 1] - '0') % 2 == 1;
        up = moreThanHalf || lastKeptOdd;
    }
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            --i;
        if (i < 0) {
            // All nines (or nothing kept): the carry makes a new leading digit.
            d.digits[0] = '1';
            d.count = 1;
            ++d.pointPos;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

double ToDouble(const Decimal& d)
{
    if (d.count == 0)
        return 0.0;
    char text[48];
    std::memcpy(text, d.digits, static_cast<std::size_t>(d.count));
    char* p = text + d.count;
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, d.pointPos - d.count).ptr;
    double value = 0;
    std::from_chars(text, p, value);
    return d.negative ? -value : value;
}

int CheckedDecimals(int decimals)
{
    if (decimals < 0 || decimals > kMaxDecimals)
        throw Failure(ErrorNumber::InvalidProcedureCall);
    return decimals;
}

bool Grouped(const RegionalFormat& format)
{
    return !format.groupSeparator.empty() && format.primaryGroupSize > 0;
}

int SecondaryGroupSize(const RegionalFormat& format)
{
    return format.secondaryGroupSize > 0 ? format.secondaryGroupSize : format.primaryGroupSize;
}

[[noreturn]] void NotANumber()
{
    throw Failure(ErrorNumber::TypeMismatch);
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix)
{
    if (prefix.empty() || text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// Blanks users leave around a number, the no-break spaces pasted from other programs included.
std::string_view TrimBlanks(std::string_view text)
{
    for (;;) {
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        else if (!ConsumePrefix(text, "\u00A0") && !ConsumePrefix(text, "\u202F"))
            break;
    }
    for (;;) {
        if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        else if (text.ends_with("\u00A0"))
            text.remove_suffix(2);
        else if (text.ends_with("\u202F"))
            text.remove_suffix(3);
        else
            break;
    }
    return text;
}

bool IsSpaceLike(std::string_view separator)
{
    return separator == " " || separator == "\u00A0" || separator == "\u202F";
}

bool IsApostropheLike(std::string_view separator)
{
    return separator == "'" || separator == "\u2019";
}

// Consumes a group separator of the region, or one that users type in its place: any space for
// a region that groups with a space, either apostrophe for one that groups with an apostrophe.
bool ConsumeGroupSeparator(std::string_view& text, const RegionalFormat& format)
{
    if (ConsumePrefix(text, format.groupSeparator))
        return true;
    if (IsSpaceLike(format.groupSeparator))
        return ConsumePrefix(text, " ") || ConsumePrefix(text, "\u00A0") ||
            ConsumePrefix(text, "\u202F");
    if (IsApostropheLike(format.groupSeparator))
        return ConsumePrefix(text, "'") || ConsumePrefix(text, "\u2019");
    return false;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatFixed(double value, int decimals, const RegionalFormat& format)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        throw Failure(ErrorNumber::Overflow);
    Decimal d = ShortestDecimal(value);
    RoundDecimal(d, decimals, Tie::AwayFromZero);

    std::string out;
    out.reserve(static_cast<std::size_t>(std::max(d.pointPos, 1) * 2 + decimals + 8));
    if (d.negative && d.count > 0)
        out += format.minusSign;
    if (d.count == 0 || d.pointPos <= 0) {
        out += '0';
    } else {
        const bool grouped = Grouped(format);
        const int primary = format.primaryGroupSize;
        const int secondary = SecondaryGroupSize(format);
        for (int i = 0; i < d.pointPos; ++i) {
            out += i < d.count ? d.digits[i] : '0';
            const int after = d.pointPos - 1 - i; // whole digits still to come
            if (grouped && after > 0 &&
                (after == primary || (after > primary && (after - primary) % secondary == 0)))
                out += format.groupSeparator;
        }
    }
    if (decimals > 0) {
        out += format.decimalSeparator;
        for (int j = 0; j < decimals; ++j) {
            const int index = d.pointPos + j;
            out += d.count > 0 && index >= 0 && index < d.count ? d.digits[index] : '0';
        }
    }
    return out;
}

double RoundHalfEven(double value, int decimals)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        return value;
    Decimal d = ShortestDecimal(value);
    RoundDecimal(d, decimals, Tie::ToEven);
    return ToDouble(d);
}

double RoundHalfAway(double value, int decimals)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        return value;
    Decimal d = ShortestDecimal(value);
    RoundDecimal(d, decimals, Tie::AwayFromZero);
    return ToDouble(d);
}

double ParseNumber(std::string_view text, const RegionalFormat& format)
{
    std::string_view rest = TrimBlanks(text);
    bool negative = false;
    if (ConsumePrefix(rest, "-") || ConsumePrefix(rest, format.minusSign) ||
        ConsumePrefix(rest, "\u2212"))
        negative = true;
    else
        ConsumePrefix(rest, "+");

    // The digits in plain form for std::from_chars: whole digits, '.', fraction digits, exponent.
    std::string plain;
    plain.reserve(rest.size() + 8);
    int digitCount = 0;
    int magnitude = 0; // position of the first significant digit; 1 for 1 to 9.99..
    bool significant = false;

    // Whole part; group separators only between digits and only where the region puts them.
    const bool grouped = Grouped(format);
    const int primary = format.primaryGroupSize;
    const int secondary = SecondaryGroupSize(format);
    int groupLength = 0;
    int separators = 0;
    while (!rest.empty()) {
        const char c = rest.front();
        if (IsDigit(c)) {
            plain += c;
            ++digitCount;
            ++groupLength;
            if (c != '0')
                significant = true;
            if (significant)
                ++magnitude;
            rest.remove_prefix(1);
            continue;
        }
        if (ConsumePrefix(rest, format.decimalSeparator))
            break;
        if (!grouped || !ConsumeGroupSeparator(rest, format))
            break;
        if (groupLength < 1 || groupLength > secondary ||
            (separators > 0 && groupLength != secondary))
            NotANumber();
        ++separators;
        groupLength = 0;
        continue;
    }
    if (separators > 0 && groupLength != primary)
        NotANumber();
    // Fraction part; when the whole part ended at anything but the decimal separator, no digit
    // follows here and the text is rejected below.
    plain += '.';
    while (!rest.empty() && IsDigit(rest.front())) {
        const char c = rest.front();
        plain += c;
        ++digitCount;
        if (!significant) {
            if (c != '0')
                significant = true;
            else
                --magnitude;
        }
        rest.remove_prefix(1);
    }
    if (digitCount == 0)
        NotANumber();

    // Exponent: 1E+5 as a spreadsheet pastes it.
    long exponent = 0;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        bool negativeExponent = false;
        if (ConsumePrefix(rest, "-") || ConsumePrefix(rest, format.minusSign) ||
            ConsumePrefix(rest, "\u2212"))
            negativeExponent = true;
        else
            ConsumePrefix(rest, "+");
        if (rest.empty() || !IsDigit(rest.front()))
            NotANumber();
        while (!rest.empty() && IsDigit(rest.front())) {
            // Saturates far beyond the double range, so a long exponent cannot overflow here.
            if (exponent < 100000)
                exponent = exponent * 10 + (rest.front() - '0');
            rest.remove_prefix(1);
        }
        if (negativeExponent)
            exponent = -exponent;
        plain += 'e';
        plain += std::to_string(exponent);
    }
    if (!rest.empty())
        NotANumber();
    if (!significant)
        return 0.0;

    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0)
            throw Failure(ErrorNumber::Overflow);
        return 0.0; // too small to tell from zero
    }
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        NotANumber();
    if (std::isinf(value))
        throw Failure(ErrorNumber::Overflow);
    return negative ? -value : value;
}

} // namespace vexmoor
