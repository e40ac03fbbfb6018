// Properties that hold for any input, checked by the core tests on many generated inputs and by
// the fuzz targets on the fuzzer's. Each returns what broke, or "" when the property holds.
#pragma once

#include "calculator/core/calculator_engine.h"
#include "common/core/number_text.h"
#include "failure_of.h"

#include <charconv>
#include <cmath>
#include <regex>
#include <string>

namespace vexmoor::test {

// Both rounding rules worked on the decimal digits: the shortest digits when they end within
// decimals + 1 places (a final 5 there is a tie), else the exact expansion of the double.
inline double ReferenceRound(double value, int decimals, bool halfEven)
{
    char text[800];
    const auto d = static_cast<std::size_t>(decimals);
    auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed);
    std::string digits(text, end.ptr);
    if (auto point = digits.find('.'); point != std::string::npos && digits.size() - point > d + 2)
        digits.assign(text,
                      std::to_chars(text, text + sizeof text, std::fabs(value),
                                    std::chars_format::fixed, decimals + 40)
                          .ptr);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    std::string fraction = point < digits.size() ? digits.substr(point + 1) : "";
    fraction.resize(std::max(fraction.size(), d + 1), '0');
    std::string kept = digits.substr(0, point) + fraction.substr(0, d);
    const char next = fraction[d];
    const bool beyond = fraction.find_first_not_of('0', d + 1) != std::string::npos;
    if (next > '5' || (next == '5' && (beyond || !halfEven || (kept.back() - '0') % 2 == 1))) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    kept += "e-" + std::to_string(decimals);
    double rounded = 0;
    std::from_chars(kept.data(), kept.data() + kept.size(), rounded);
    return std::signbit(value) && rounded != 0 ? -rounded : rounded;
}

// Any double and decimals: both roundings agree with the reference and never give -0; the value
// is written with exactly its decimals and reads back as rounded half away from zero. Infinity
// and not-a-number are kept by rounding and not written; decimals beyond 0 to 15 are refused.
inline std::string RoundingFault(double value, int decimals, const RegionalFormat& format)
{
    std::string text;
    const auto fixed = [&] { text = FormatFixed(value, decimals, format); };
    if (decimals < 0 || decimals > 15) {
        const bool refused = FailureOf(fixed) == 5 &&
            FailureOf([&] { RoundHalfEven(value, decimals); }) == 5 &&
            FailureOf([&] { RoundHalfAway(value, decimals); }) == 5;
        return refused ? "" : "decimals out of range are no invalid call";
    }
    const double even = RoundHalfEven(value, decimals), away = RoundHalfAway(value, decimals);
    const auto same = [&](double a) { return a == value || (std::isnan(a) && std::isnan(value)); };
    if (!std::isfinite(value))
        return FailureOf(fixed) == 6 && same(even) && same(away) ? "" : "infinity written or lost";
    if ((even == 0 && std::signbit(even)) || (away == 0 && std::signbit(away)))
        return "rounded to -0";
    if (away != ReferenceRound(value, decimals, false))
        return "not rounded half away from zero";
    if (even != ReferenceRound(value, decimals, true))
        return "not rounded half to even";
    double back = 0;
    if (FailureOf([&] {
            fixed();
            back = ParseNumber(text, format);
        }) != 0 ||
        back != away)
        return "written as " + text + ", which does not read back as the rounded value";
    const std::string& point = format.decimalSeparator;
    const std::size_t at = text.size() - static_cast<std::size_t>(decimals) - point.size();
    if (decimals == 0 ? text.find(point) != std::string::npos : text.find(point) != at)
        return "written as " + text + ", not with its decimals";
    return "";
}

// Presses one key: a key fails only by an overflow, and then leaves the state as it was; a key
// shows the display of its state, only a second point beeps, and every display is a number text
// (one point in all, the display's own after an exponent), "0." or "ERROR.". `overflows` counts.
inline std::string PressFault(CalculatorState& state, std::string_view caption, int& overflows)
{
    static const std::regex number(R"(-?((\d+\.\d*|\.\d+)(E[+-]\d+)?|\d+E[+-]\d+\.))");
    const CalculatorState before = state;
    CalculatorKeyResult result;
    const int failure = FailureOf([&] { result = PressCalculatorKey(state, caption); });
    const std::string display = CalculatorDisplay(state);
    if (failure != 0) {
        ++overflows;
        if (failure != 6 || !(state == before))
            return "failure " + std::to_string(failure) + " changed the state";
    } else if (result.display != display || (result.beep && caption != ".")) {
        return "shown " + result.display + (result.beep ? " with a beep" : "");
    }
    if (display != "0." && display != "ERROR." && !std::regex_match(display, number))
        return "display " + display;
    return "";
}

} // namespace vexmoor::test
