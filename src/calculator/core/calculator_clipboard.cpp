// Display text to clipboard number, and clipboard text to pad keys.
#include "calculator/core/calculator_clipboard.h"

#include "calculator/core/calculator_keys.h"
#include "calculator/core/calculator_numbers.h"
#include "errors/core/failure.h"

#include <cctype>
#include <cstdlib>

namespace vexmoor {

namespace {

// CE and +/- have no character of their own on the keyboard.
constexpr std::int16_t kClearEntryKey = 1;
constexpr std::int16_t kSignKey = 26;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> ReadNumber(std::string_view text, const RegionalFormat& format)
{
    try {
        return ParseNumber(text, format);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// A result text with its exponent worked into the digits: "1.5E+03" -> "1500", "2E-03" ->
// "0.002".
std::string WithoutExponent(const std::string& result)
{
    const std::size_t e = result.find('E');
    if (e == std::string::npos)
        return result;
    const int exponent = std::atoi(result.c_str() + e + 1);
    std::string mantissa = result.substr(0, e);
    const bool negative = mantissa.starts_with('-');
    if (negative)
        mantissa.erase(0, 1);
    const std::size_t point = mantissa.find('.');
    std::string digits = mantissa;
    int pointAt = static_cast<int>(mantissa.size());
    if (point != std::string::npos) {
        digits.erase(point, 1);
        pointAt = static_cast<int>(point);
    }
    pointAt += exponent;
    std::string text;
    if (pointAt <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (pointAt >= static_cast<int>(digits.size())) {
        text = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        text = digits.substr(0, static_cast<std::size_t>(pointAt)) + "." +
            digits.substr(static_cast<std::size_t>(pointAt));
    }
    return negative ? "-" + text : text;
}

} // namespace

std::optional<std::string> CalculatorCopyText(std::string_view display,
                                              const RegionalFormat& format)
{
    // Whole numbers show with a trailing point.
    if (display.ends_with('.'))
        display.remove_suffix(1);
    const bool negative = display.starts_with('-');
    if (negative)
        display.remove_prefix(1);
    std::size_t at = 0;
    while (at < display.size() && IsDigit(display[at]))
        ++at;
    std::string whole(display.substr(0, at));
    std::string fraction;
    bool point = false;
    if (at < display.size() && display[at] == '.') {
        point = true;
        const std::size_t from = ++at;
        while (at < display.size() && IsDigit(display[at]))
            ++at;
        fraction = display.substr(from, at - from);
    }
    std::string exponent;
    if (at < display.size() && (display[at] == 'E' || display[at] == 'e')) {
        const std::size_t from = at++;
        if (at < display.size() && (display[at] == '+' || display[at] == '-'))
            ++at;
        const std::size_t digitsFrom = at;
        while (at < display.size() && IsDigit(display[at]))
            ++at;
        if (at == digitsFrom)
            return std::nullopt;
        exponent = display.substr(from, at - from);
    }
    if (at != display.size() || (whole.empty() && fraction.empty()))
        return std::nullopt;

    // One zero before the point at most: an entry 005 shows 05. and copies as 5.
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = negative && !zero ? format.minusSign : std::string();
    text += whole;
    if (point && !fraction.empty())
        text += format.decimalSeparator + fraction;
    return text + exponent;
}

std::optional<std::vector<std::int16_t>> CalculatorPasteKeys(std::string_view text,
                                                             const RegionalFormat& format)
{
    text = Trimmed(text);
    static const RegionalFormat kCalculatorForm {".", "", 0, 0, "-"};
    std::optional<double> value = ReadNumber(text, format);
    if (!value)
        value = ReadNumber(text, kCalculatorForm);
    if (!value)
        return std::nullopt;

    const std::string typed = WithoutExponent(ResultText(*value));
    std::vector<std::int16_t> keys {kClearEntryKey};
    for (const char c : typed) {
        // The digits and the point, pressed as typing them would.
        if (IsDigit(c) || c == '.')
            keys.push_back(static_cast<std::int16_t>(CalculatorKeyForCharacter(c)));
    }
    if (typed.starts_with('-'))
        keys.push_back(kSignKey);
    return keys;
}

} // namespace vexmoor
