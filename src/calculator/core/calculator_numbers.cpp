// Entry texts to numbers and results to texts, both independent of the process locale:
// std::from_chars and std::to_chars read and write "." whatever LC_NUMERIC says.
#include "calculator/core/calculator_numbers.h"

#include "errors/core/failure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace vexmoor {

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents written out in full; outside this range results take exponent form.
constexpr int kSmallestPlainExponent = -4;
constexpr int kLargestPlainExponent = kSignificantDigits - 1;
// The largest double rounded down to 15 digits. Rounding the largest doubles half away
// would write a text beyond the double range, which the entry could not read back.
constexpr std::string_view kLargestDigits = "179769313486231";
constexpr int kLargestExponent = 308;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The part of an entry that forms a number, and a rough decimal exponent of its first
// significant digit, enough to tell an overflow from an underflow.
struct NumberPrefix
{
    std::string_view text;
    bool hasDigit = false;
    bool hasNonZeroDigit = false;
    long magnitude = 0;
};

NumberPrefix ScanNumber(std::string_view entry)
{
    NumberPrefix prefix;
    std::size_t i = 0;
    if (i < entry.size() && entry[i] == '-')
        ++i;
    long wholeDigits = 0; // significant digits before the point
    long zerosAfterPoint = 0; // zeros between the point and the first significant digit
    bool afterPoint = false;
    for (; i < entry.size(); ++i) {
        const char c = entry[i];
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        prefix.hasDigit = true;
        if (c != '0')
            prefix.hasNonZeroDigit = true;
        if (!afterPoint && prefix.hasNonZeroDigit)
            ++wholeDigits;
        else if (afterPoint && !prefix.hasNonZeroDigit)
            ++zerosAfterPoint;
    }
    if (!prefix.hasDigit)
        return prefix;
    std::size_t end = i;

    // An exponent counts only when complete: E, a sign, at least one digit.
    if (i < entry.size() && (entry[i] == 'E' || entry[i] == 'e')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < entry.size() && (entry[j] == '+' || entry[j] == '-')) {
            negative = entry[j] == '-';
            ++j;
        }
        long exponent = 0;
        const std::size_t digitsStart = j;
        for (; j < entry.size() && IsDigit(entry[j]); ++j) {
            if (exponent < 1'000'000'000L) // saturates far beyond any double
                exponent = exponent * 10 + (entry[j] - '0');
        }
        if (j > digitsStart) {
            end = j;
            prefix.magnitude = negative ? -exponent : exponent;
        }
    }
    const long firstDigit = wholeDigits > 0 ? wholeDigits - 1 : -(zerosAfterPoint + 1);
    prefix.magnitude += firstDigit;
    prefix.text = entry.substr(0, end);
    return prefix;
}

// EntryValue without the throw: a number beyond the double range is flagged instead.
struct Reading
{
    double value = 0;
    bool overflow = false;
};

Reading ReadEntry(std::string_view entry)
{
    const NumberPrefix prefix = ScanNumber(entry);
    if (!prefix.hasNonZeroDigit)
        return {};
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(prefix.text.data(), prefix.text.data() + prefix.text.size(), value);
    if (ec == std::errc::result_out_of_range)
        return prefix.magnitude > 0 ? Reading {0, true} : Reading {};
    if (ec != std::errc {} || !std::isfinite(value))
        return {};
    return {value, false};
}

} // namespace

std::optional<double> TryEntryValue(std::string_view entry)
{
    const Reading reading = ReadEntry(entry);
    if (reading.overflow)
        return std::nullopt;
    return reading.value;
}

double EntryValue(std::string_view entry)
{
    const Reading reading = ReadEntry(entry);
    if (reading.overflow)
        throw Failure(ErrorNumber::Overflow);
    return reading.value;
}

std::string ResultText(double value)
{
    CheckedResult(value);
    if (value == 0)
        return "0";

    // The shortest text that reads back to the same double, in scientific form:
    // d[.ddd]e±xx with at most 17 digits.
    std::array<char, 32> buffer {};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific);
    const std::string_view shortest(buffer.data(),
                                    static_cast<std::size_t>(written.ptr - buffer.data()));

    std::array<char, 20> digits {};
    int count = 0;
    std::size_t i = 0;
    for (; i < shortest.size() && shortest[i] != 'e'; ++i) {
        if (IsDigit(shortest[i]))
            digits[static_cast<std::size_t>(count++)] = shortest[i];
    }
    int exponent = 0;
    std::from_chars(shortest.data() + i + 1 + (shortest[i + 1] == '+' ? 1 : 0),
                    shortest.data() + shortest.size(), exponent);

    if (count > kSignificantDigits) {
        const bool roundUp = digits[kSignificantDigits] >= '5';
        count = kSignificantDigits;
        const bool largest = exponent == kLargestExponent &&
            std::string_view(digits.data(), static_cast<std::size_t>(count)) >= kLargestDigits;
        if (roundUp && !largest) {
            int k = count - 1;
            while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
                digits[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) {
                ++digits[static_cast<std::size_t>(k)];
            } else {
                digits[0] = '1';
                ++exponent;
            }
        }
    }
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0')
        --count;
    const std::string_view significant(digits.data(), static_cast<std::size_t>(count));

    std::string text;
    text.reserve(24);
    if (value < 0)
        text += '-';
    if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent) {
        text += significant[0];
        if (count > 1) {
            text += '.';
            text += significant.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += significant;
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        if (significant.size() <= whole) {
            text += significant;
            text.append(whole - significant.size(), '0');
        } else {
            text += significant.substr(0, whole);
            text += '.';
            text += significant.substr(whole);
        }
    }
    return text;
}

} // namespace vexmoor
