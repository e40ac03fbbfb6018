// Regional number texts: every rounding works on the shortest decimal digits that read back to
// the same double, so a tie is a tie in the digits the user typed (1.005 is a half, although its
// double lies just below it). Digits come from std::to_chars / std::from_chars only; nothing here
// depends on the process locale.
#include "common/core/number_text.h"

#include "errors/core/failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vexmoor {

namespace {

constexpr int kMaxDecimals = 15;

// Up to 19 digits fit a 64-bit whole number; up to 2^53 it is an exact double, and so is every
// power of ten up to 10^22.
constexpr int kExactDigits = 19;
constexpr std::uint64_t kExactMantissa = std::uint64_t {1} << 53;
constexpr long kExactPowers = 22;
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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

// The rounding of |value| to `decimals` decimals as a whole number of units of 10^-decimals,
// without the shortest digits, for values small enough that value x 10^(decimals + 1) stays below
// 2^50: there every rounding interval is narrower than a quarter of a unit, so
// - if the shortest digits end within decimals + 1 places, they are the one whole number n with
//   n / 10^(decimals + 1) == |value| (a tie is then a final 5, judged on those digits), and
// - otherwise no tie point lies in the rounding interval, so the shortest digits and the double
//   itself fall on the same side of every tie, and the double's exact product (with its rounding
//   error from fma) decides.
// Returns false where it does not apply.
bool RoundedUnits(double magnitude, int decimals, Tie tie, std::uint64_t& units)
{
    constexpr double kLimit = 1125899906842624.0; // 2^50
    const double scale = kPowersOfTen[decimals + 1];
    const double scaled = magnitude * scale;
    if (!(scaled < kLimit))
        return false;
    // Non-negative and below 2^50: adding a half and truncating is exact rounding to nearest
    // (a scaled value ending in exactly .5 has no candidate either way).
    const double candidate = static_cast<double>(static_cast<std::uint64_t>(scaled + 0.5));
    if (candidate / scale == magnitude) {
        const auto n = static_cast<std::uint64_t>(candidate);
        const std::uint64_t kept = n / 10;
        const std::uint64_t last = n % 10;
        const bool up = last > 5 || (last == 5 && (tie == Tie::AwayFromZero || kept % 2 == 1));
        units = kept + (up ? 1 : 0);
        return true;
    }
    const double unit = kPowersOfTen[decimals];
    const double product = magnitude * unit;
    const double error = std::fma(magnitude, unit, -product); // exact: product + error
    const double whole = static_cast<double>(static_cast<std::uint64_t>(product)); // floor
    const double fraction = product - whole; // exact
    const bool up = fraction > 0.5 || (fraction == 0.5 && error > 0);
    units = static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
    return true;
}

// value rounded to `decimals` decimals, as decimal digits (filled in place: the struct is
// copied on the hot path otherwise).
void RoundedDecimal(double value, int decimals, Tie tie, Decimal& d)
{
    std::uint64_t units = 0;
    if (!RoundedUnits(std::fabs(value), decimals, tie, units)) {
        d = ShortestDecimal(value);
        RoundDecimal(d, decimals, tie);
        return;
    }
    d.negative = std::signbit(value);
    d.count = 0;
    d.pointPos = 0;
    if (units == 0)
        return;
    d.count =
        static_cast<int>(std::to_chars(d.digits, d.digits + sizeof d.digits, units).ptr - d.digits);
    d.pointPos = d.count - decimals;
    while (d.digits[d.count - 1] == '0')
        --d.count;
}

// value rounded to `decimals` decimals, as the double nearest to the rounded decimal; never -0.
double RoundedValue(double value, int decimals, Tie tie)
{
    std::uint64_t units = 0;
    if (RoundedUnits(std::fabs(value), decimals, tie, units)) {
        if (units == 0)
            return 0.0;
        // Both exact doubles: one correctly rounded division, as reading the digits would give.
        const double rounded = static_cast<double>(units) / kPowersOfTen[decimals];
        return std::signbit(value) ? -rounded : rounded;
    }
    Decimal d = ShortestDecimal(value);
    RoundDecimal(d, decimals, tie);
    return ToDouble(d);
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

// The first byte decides almost every call, so it is compared before the rest.
inline bool ConsumePrefix(std::string_view& text, std::string_view prefix)
{
    const std::size_t size = prefix.size();
    if (size == 0 || text.size() < size || text[0] != prefix[0])
        return false;
    for (std::size_t i = 1; i < size; ++i) {
        if (text[i] != prefix[i])
            return false;
    }
    text.remove_prefix(size);
    return true;
}

// Takes a leading sign off `text`: "-", the region's minus sign or U+2212 make it negative, and a
// "+" is passed over. Returns whether it was negative.
bool ConsumeSign(std::string_view& text, const RegionalFormat& format)
{
    if (ConsumePrefix(text, "-") || ConsumePrefix(text, format.minusSign) ||
        ConsumePrefix(text, "\u2212"))
        return true;
    ConsumePrefix(text, "+");
    return false;
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

constexpr long kExponentLimit = 1000000000; // beyond any text length, so saturating changes nothing

// The plain text of a number being read: on the stack for anything a field normally holds, on
// the heap for longer texts.
class PlainText
{
public:
    explicit PlainText(std::size_t capacity)
    {
        if (capacity > sizeof m_local) {
            m_heap.resize(capacity);
            m_end = m_heap.data();
        }
        m_begin = m_end;
    }
    PlainText(const PlainText&) = delete;
    PlainText& operator=(const PlainText&) = delete;

    void Push(char c) { *m_end++ = c; }
    void PushExponent(long exponent)
    {
        *m_end++ = 'e';
        m_end = std::to_chars(m_end, m_end + 12, exponent).ptr;
    }
    const char* Begin() const { return m_begin; }
    const char* End() const { return m_end; }

private:
    char m_local[96];
    std::string m_heap;
    char* m_end = m_local;
    char* m_begin = m_local;
};

} // namespace

bool IsUnambiguous(const RegionalFormat& format)
{
    return !format.decimalSeparator.empty() && format.decimalSeparator != format.groupSeparator;
}

std::string FormatFixed(double value, int decimals, const RegionalFormat& format)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        throw Failure(ErrorNumber::Overflow);
    Decimal d;
    RoundedDecimal(value, decimals, Tie::AwayFromZero, d);
    if (d.count == 0)
        d.pointPos = 0; // zero: one whole digit, no sign

    // The exact length first, so the text is written in place with no reallocation.
    const int wholeDigits = std::max(d.pointPos, 1);
    const bool grouped = Grouped(format);
    const int primary = format.primaryGroupSize;
    const int secondary = SecondaryGroupSize(format);
    const int separators =
        grouped && wholeDigits > primary ? 1 + (wholeDigits - primary - 1) / secondary : 0;
    const bool minus = d.negative && d.count > 0;
    const std::size_t length = (minus ? format.minusSign.size() : 0) +
        static_cast<std::size_t>(wholeDigits) +
        static_cast<std::size_t>(separators) * format.groupSeparator.size() +
        (decimals > 0 ? format.decimalSeparator.size() + static_cast<std::size_t>(decimals) : 0);
    std::string out(length, '0');

    char* p = out.data();
    auto put = [&p](const std::string& piece) {
        std::memcpy(p, piece.data(), piece.size());
        p += piece.size();
    };
    if (minus)
        put(format.minusSign);
    // Whole digits, left to right; the first group is whatever the primary and secondary groups
    // leave over.
    int untilSeparator = separators > 0 ? (wholeDigits - primary - 1) % secondary + 1 : wholeDigits;
    for (int i = 0; i < wholeDigits; ++i) {
        if (untilSeparator == 0) {
            put(format.groupSeparator);
            untilSeparator = i + primary == wholeDigits ? primary : secondary;
        }
        *p++ = i < d.count && d.pointPos > 0 ? d.digits[i] : '0';
        --untilSeparator;
    }
    if (decimals > 0) {
        put(format.decimalSeparator);
        for (int j = 0; j < decimals; ++j) {
            const int index = d.pointPos + j;
            *p++ = index >= 0 && index < d.count ? d.digits[index] : '0';
        }
    }
    return out;
}

double RoundHalfEven(double value, int decimals)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        return value;
    return RoundedValue(value, decimals, Tie::ToEven);
}

double RoundHalfAway(double value, int decimals)
{
    CheckedDecimals(decimals);
    if (!std::isfinite(value))
        return value;
    return RoundedValue(value, decimals, Tie::AwayFromZero);
}

namespace {

// Exponent: 1E+5 as a spreadsheet pastes it; 0 when the text has none.
long ConsumeExponent(std::string_view& rest, const RegionalFormat& format)
{
    if (rest.empty() || (rest.front() != 'e' && rest.front() != 'E'))
        return 0;
    rest.remove_prefix(1);
    const bool negative = ConsumeSign(rest, format);
    if (rest.empty() || !IsDigit(rest.front()))
        NotANumber();
    long exponent = 0;
    while (!rest.empty() && IsDigit(rest.front())) {
        // Saturates far beyond the double range, so a long exponent cannot overflow here.
        if (exponent < kExponentLimit)
            exponent = exponent * 10 + (rest.front() - '0');
        rest.remove_prefix(1);
    }
    return negative ? -exponent : exponent;
}

// The double nearest to the number read: `exactMantissa` is its digits as a whole number when
// they all fitted (0 when not), to be scaled by ten to `decimalExponent`; `plain` is the same
// number as std::from_chars reads it; `magnitude` places its first significant digit.
double NearestDouble(const PlainText& plain, std::uint64_t exactMantissa, long decimalExponent,
                     long magnitude)
{
    if (exactMantissa != 0 && exactMantissa <= kExactMantissa && decimalExponent >= -kExactPowers &&
        decimalExponent <= kExactPowers) {
        // Both operands are exact doubles, so one correctly rounded operation gives the double
        // nearest to the text, the same one std::from_chars would give.
        const auto m = static_cast<double>(exactMantissa);
        return decimalExponent < 0 ? m / kPowersOfTen[-decimalExponent]
                                   : m * kPowersOfTen[decimalExponent];
    }
    double value = 0;
    const auto result = std::from_chars(plain.Begin(), plain.End(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            throw Failure(ErrorNumber::Overflow);
        return 0.0; // too small to tell from zero
    }
    if (result.ec != std::errc() || result.ptr != plain.End())
        NotANumber();
    if (std::isinf(value))
        throw Failure(ErrorNumber::Overflow);
    return value;
}

} // namespace

double ParseNumber(std::string_view text, const RegionalFormat& format)
{
    std::string_view rest = TrimBlanks(text);
    const bool negative = ConsumeSign(rest, format);

    // The number in plain form for std::from_chars (whole digits, '.', fraction digits,
    // exponent) and, while it fits, its digits as a whole number for the exact fast path.
    PlainText plain(rest.size() + 24);
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0; // significant digits in mantissa
    bool mantissaExact = true;
    long fractionDigits = 0;
    int digitCount = 0;
    long magnitude = 0; // position of the first significant digit; 1 for 1 to 9.99..
    auto addDigit = [&](char c) {
        plain.Push(c);
        ++digitCount;
        if (mantissaDigits < kExactDigits) {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            if (mantissa != 0)
                ++mantissaDigits;
        } else {
            mantissaExact = false;
        }
    };

    // Whole part; group separators only between digits and only where the region puts them.
    const bool grouped = Grouped(format);
    const int primary = format.primaryGroupSize;
    const int secondary = SecondaryGroupSize(format);
    int groupLength = 0;
    int separators = 0;
    while (!rest.empty()) {
        const char c = rest.front();
        if (IsDigit(c)) {
            addDigit(c);
            ++groupLength;
            if (mantissa != 0 || !mantissaExact)
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
    }
    if (separators > 0 && groupLength != primary)
        NotANumber();
    // Fraction part; when the whole part ended at anything but the decimal separator, no digit
    // follows here and the text is rejected below.
    plain.Push('.');
    while (!rest.empty() && IsDigit(rest.front())) {
        const char c = rest.front();
        if (mantissa == 0 && mantissaExact && c == '0')
            --magnitude;
        addDigit(c);
        ++fractionDigits;
        rest.remove_prefix(1);
    }
    if (digitCount == 0)
        NotANumber();

    const long exponent = ConsumeExponent(rest, format);
    if (exponent != 0)
        plain.PushExponent(exponent);
    if (!rest.empty())
        NotANumber();
    if (mantissa == 0 && mantissaExact)
        return 0.0;

    const double value = NearestDouble(plain, mantissaExact ? mantissa : 0,
                                       exponent - fractionDigits, magnitude + exponent);
    return negative ? -value : value;
}

bool IsHoldableAmount(double value, int decimals)
{
    return std::fabs(RoundHalfAway(value, decimals)) < kAmountLimit;
}

} // namespace vexmoor
