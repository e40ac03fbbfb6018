// Regional number texts: formatting and both rounding rules tested on ties in several regions,
// every reason a text is rejected, and a round trip over a million doubles of every magnitude.
#include "common/core/number_text.h"
#include "core/support/failure_of.h"
#include "core/support/formats.h"
#include "core/support/properties.h"
#include "errors/core/failure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <random>
#include <string>

namespace vexmoor {
namespace {

using test::FailureOf;

using namespace test;

// text followed by count times piece.
std::string Repeat(std::string text, const std::string& piece, int count)
{
    while (count-- > 0)
        text += piece;
    return text;
}

// Written: ties judged on the shortest digits, away from zero (1.005 is a tie although its double
// lies below), a carry through nines into a new group, no negative zero, the regions' separators
// and minus sign, large values in full; and read back as the rounded value.
TEST(NumberText, FormatFixed)
{
    // clang-format off
    const std::tuple<RegionalFormat, double, int, std::string> rows[] = {
        {EnUs(), 0.125, 2, "0.13"},   {EnUs(), 0.875, 2, "0.88"},    {EnUs(), 1.005, 2, "1.01"},
        {EnUs(), 2.5, 0, "3"},        {EnUs(), -2.5, 0, "-3"},       {EnUs(), 999999.995, 2, "1,000,000.00"},
        {EnUs(), 1234.5, 2, "1,234.50"}, {EnUs(), 12.5, 4, "12.5000"}, {EnUs(), -0.0, 2, "0.00"},
        {EnUs(), -0.004, 2, "0.00"},  {DeDe(), -1234567.891, 2, "-1.234.567,89"},
        {FrFr(), 1234567.5, 2, "1\u202F234\u202F567,50"}, {DeCh(), 1234567.5, 2, "1\u2019234\u2019567.50"},
        {HiIn(), 1234567, 2, "12,34,567.00"}, {SvSe(), -1234.5, 2, "\u22121\u00A0234,50"},
        {HiIn(), 1e300, 0, Repeat("10", ",00", 148) + ",000"},
        {DeDe(), -1e300, 2, Repeat("-1", ".000", 100) + ",00"},
        {EnUs(), DBL_MAX, 0, "179,769,313,486,231,570" + Repeat("", ",000", 97)}};
    // clang-format on
    for (const auto& [format, value, decimals, expected] : rows) {
        EXPECT_EQ(FormatFixed(value, decimals, format), expected) << value;
        EXPECT_EQ(ParseNumber(expected, format), RoundHalfAway(value, decimals)) << value;
    }
}

// Typed texts the formatter does not write (the round trip below covers those), and one row per
// reason a text is not a number (13) or lies beyond the double range (6). Exponents are accepted.
TEST(NumberText, ParseNumber)
{
    // clang-format off
    const std::tuple<RegionalFormat, std::string, double, int> rows[] = {
        {EnUs(), " \t 12.5\u00A0 ", 12.5, 0}, {EnUs(), "+7", 7, 0}, {EnUs(), ".5", 0.5, 0},
        {EnUs(), "1E+5", 100000, 0},         {EnUs(), "1e-400", 0, 0}, {DeDe(), "1234,5", 1234.5, 0},
        {FrFr(), "12 345 678,9", 12345678.9, 0}, {DeCh(), "1'234'567.50", 1234567.5, 0},
        {SvSe(), "-1 234,5", -1234.5, 0},
        {EnUs(), "", 0, 13},     {EnUs(), "   ", 0, 13},   {EnUs(), "-", 0, 13},
        {EnUs(), ".", 0, 13},    {EnUs(), "abc", 0, 13},   {EnUs(), "nan", 0, 13},
        {EnUs(), "-inf", 0, 13}, {EnUs(), "1.2.3", 0, 13}, {EnUs(), "12abc", 0, 13},
        {EnUs(), "1 234", 0, 13}, {EnUs(), "1234,567", 0, 13}, {HiIn(), "1,234,567", 0, 13},
        {DeDe(), "1.5", 0, 13},  {EnUs(), "1e+", 0, 13},   {EnUs(), "1e309", 0, 6},
        {EnUs(), "-1e99999999999999999999", 0, 6}};
    // clang-format on
    for (const auto& [format, text, expected, error] : rows) {
        double value = 0;
        EXPECT_EQ(FailureOf([&] { value = ParseNumber(text, format); }), error) << text;
        EXPECT_EQ(value, expected) << text;
    }
    EXPECT_FALSE(std::signbit(ParseNumber("-0.00", EnUs())));
    // Formats a region is served in, and those it falls back from to en_US.
    EXPECT_TRUE(IsUnambiguous(EnUs()) && IsUnambiguous(DeDe()) &&
                IsUnambiguous({",", "", 0, 0, "-"}));
    EXPECT_FALSE(IsUnambiguous({"", ",", 3, 3, "-"}));
    EXPECT_FALSE(IsUnambiguous({".", ".", 3, 3, "-"}));
}

// A million doubles: any bit pattern (every magnitude from subnormal to the largest, infinities
// and not-a-number), doubles of the magnitudes amounts have, and the short decimals people type,
// full of exact ties; with decimals out of range too, in every region.
TEST(NumberText, RoundingAndRoundTripOfEveryMagnitude)
{
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kCount = 50'000;
#else
    constexpr int kCount = 1'000'000;
#endif
    constexpr int kDecimals[] = {0, 2, 4, 1, 15, 2, 3, 16, -1};
    std::mt19937_64 random(20240607);
    int failures = 0;
    for (int i = 0; i < kCount && failures < 10; ++i) {
        double value = std::bit_cast<double>(random());
        if (i % 3 == 1)
            value = std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52,
                               static_cast<int>(random() % 80) - 30);
        else if (i % 3 == 2)
            value = static_cast<double>(random() % 1'000'000'000'000ULL) /
                std::pow(10.0, static_cast<int>(random() % 8));
        if (i % 3 != 0 && random() % 2)
            value = -value;
        const int decimals = kDecimals[i % std::size(kDecimals)];
        const std::string fault = RoundingFault(value, decimals, kRegions[std::size_t(i / 9) % 7]);
        if (!fault.empty()) {
            ++failures;
            ADD_FAILURE() << fault << ": " << std::hexfloat << value << " to " << decimals;
        }
    }
}

} // namespace
} // namespace vexmoor
