// Fuzz target for the regional number texts: reading, fixed-decimal writing and both roundings.
//
// Input: a region choice, a decimals choice (the last two are out of range), then the text. The
// text is read in the region; the number it gives, and the double its first eight bytes hold, are
// written, rounded and read back. A plain decimal text must read as the C library reads it.
#include "fuzz_support.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

constexpr int kOverflow = static_cast<int>(ErrorNumber::Overflow);
constexpr int kInvalidCall = static_cast<int>(ErrorNumber::InvalidProcedureCall);

// A sign, digits with at most one point, an optional exponent: what strtod and the reader both
// take in the same sense.
bool IsPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
    };
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    sign();
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// The plain text with the region's decimal separator in place of the point reads as strtod reads
// the plain text (the process keeps the "C" locale).
void CheckAgainstStrtod(std::string_view text, const RegionalFormat& format)
{
    const std::string plain(text);
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    Require(end == plain.c_str() + plain.size(), "strtod reads a plain decimal text whole", text);
    std::string regional = plain;
    if (const auto point = regional.find('.'); point != std::string::npos)
        regional.replace(point, 1, format.decimalSeparator);
    double value = 0;
    const int failure = FailureOf([&] { value = ParseNumber(regional, format); });
    if (std::isinf(expected)) {
        Require(failure == kOverflow, "a decimal text beyond the double range overflows", text);
        return;
    }
    Require(failure == 0, "a plain decimal text reads", text);
    Require(value == expected, "a plain decimal text reads as strtod reads it", text);
}

// Whether the shortest digits of value end one place after `decimals` with a 5: a tie.
bool IsTie(double value, int decimals)
{
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed)
            .ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    const std::size_t point = text.find('.');
    return point != std::string_view::npos &&
        text.size() - point - 1 == static_cast<std::size_t>(decimals) + 1 && text.back() == '5';
}

bool SameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool WithinHalfUnit(double rounded, double value, int decimals)
{
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::fabs(value);
    return std::fabs(rounded - value) <= halfUnit * (1 + 1e-9) + slack;
}

void CheckValue(double value, int decimals, const RegionalFormat& format)
{
    if (decimals < 0 || decimals > 15) {
        Require(FailureOf([&] { FormatFixed(value, decimals, format); }) == kInvalidCall,
                "writing with decimals out of range is an invalid call");
        Require(FailureOf([&] { RoundHalfEven(value, decimals); }) == kInvalidCall,
                "rounding to even with decimals out of range is an invalid call");
        Require(FailureOf([&] { RoundHalfAway(value, decimals); }) == kInvalidCall,
                "rounding away with decimals out of range is an invalid call");
        return;
    }
    const double even = RoundHalfEven(value, decimals);
    const double away = RoundHalfAway(value, decimals);
    if (!std::isfinite(value)) {
        Require(FailureOf([&] { FormatFixed(value, decimals, format); }) == kOverflow,
                "writing infinity or not-a-number overflows");
        Require(SameNumber(even, value) && SameNumber(away, value),
                "rounding keeps infinity and not-a-number");
        return;
    }
    std::string text;
    RequireFailureIn({}, "every finite value is written",
                     [&] { text = FormatFixed(value, decimals, format); });
    Require(ReadBack(text, format, "a written text reads") == away,
            "a written text reads back as the value rounded half away from zero", text);
    Require(FormatFixed(away, decimals, format) == text,
            "the rounded value is written as the value is", text);

    const std::string& point = format.decimalSeparator;
    const auto d = static_cast<std::size_t>(decimals);
    if (decimals > 0) {
        Require(text.size() > d + point.size() &&
                    text.compare(text.size() - d - point.size(), point.size(), point) == 0 &&
                    text.find_first_not_of("0123456789", text.size() - d) == std::string::npos,
                "a written text ends in the decimal separator and exactly its decimals", text);
    } else {
        Require(text.find(point) == std::string::npos, "a whole number has no decimal separator",
                text);
    }
    Require(text.starts_with(format.minusSign) == (away < 0),
            "a written text has a minus sign exactly when its value is below zero", text);

    Require(!std::signbit(even) || even != 0, "rounding to even never gives -0");
    Require(!std::signbit(away) || away != 0, "rounding away never gives -0");
    Require(RoundHalfEven(even, decimals) == even && RoundHalfAway(away, decimals) == away,
            "a rounded value rounds to itself");
    Require(WithinHalfUnit(even, value, decimals) && WithinHalfUnit(away, value, decimals),
            "rounding moves a value by at most half a unit", text);
    const bool tie = IsTie(value, decimals);
    Require(tie || even == away, "the two roundings differ only at a tie", text);
    Require(!tie || std::fabs(away) > std::fabs(value), "a tie is rounded away from zero", text);
    const std::string evenText = FormatFixed(even, decimals, format);
    Require(!tie || (evenText.back() - '0') % 2 == 0, "a tie is rounded to the even neighbour",
            evenText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = PickRegion(input);
    const int choice = input.Choice(18);
    const int decimals = choice == 17 ? -1 : choice;
    const std::string_view text = input.Rest();

    double read = 0;
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
        "reading fails only for no number or an overflow",
        [&] { read = ParseNumber(text, format); }, text);
    if (failure == 0) {
        Require(std::isfinite(read), "a text reads as a finite number", text);
        CheckValue(read, decimals, format);
    }
    if (IsPlainDecimal(text))
        CheckAgainstStrtod(text, format);
    if (text.size() >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, text.data(), sizeof bits);
        CheckValue(bits, decimals, format);
    }
    return 0;
}
