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

TEST(NumberText, FormatFixed)
{
    const struct
    {
        const char* name;
        RegionalFormat format;
        double value;
        int decimals;
        std::string expected;
    } rows[] = {
        // Ties judged on the shortest digits, away from zero.
        {"0.125", EnUs(), 0.125, 2, "0.13"},
        {"0.875", EnUs(), 0.875, 2, "0.88"},
        {"1.005 is a tie although its double is below", EnUs(), 1.005, 2, "1.01"},
        {"2.5 whole", EnUs(), 2.5, 0, "3"},
        {"-2.5 whole", EnUs(), -2.5, 0, "-3"},
        {"carry through nines into a new group", EnUs(), 999999.995, 2, "1,000,000.00"},
        {"1234.5", EnUs(), 1234.5, 2, "1,234.50"},
        {"12.5 four decimals", EnUs(), 12.5, 4, "12.5000"},
        // No negative zero.
        {"minus zero", EnUs(), -0.0, 2, "0.00"},
        {"negative rounding to zero", EnUs(), -0.004, 2, "0.00"},
        // Regions.
        {"de_DE", DeDe(), -1234567.891, 2, "-1.234.567,89"},
        {"fr_FR", FrFr(), 1234567.5, 2, "1\u202F234\u202F567,50"},
        {"de_CH", DeCh(), 1234567.5, 2, "1\u2019234\u2019567.50"},
        {"hi_IN", HiIn(), 1234567, 2, "12,34,567.00"},
        {"sv_SE minus sign", SvSe(), -1234.5, 2, "\u22121\u00A0234,50"},
        // Large values are written in full.
        {"1e300 hi_IN", HiIn(), 1e300, 0, Repeat("10", ",00", 148) + ",000"},
        {"-1e300 de_DE", DeDe(), -1e300, 2, Repeat("-1", ".000", 100) + ",00"},
        {"largest double", EnUs(), DBL_MAX, 0, "179,769,313,486,231,570" + Repeat("", ",000", 97)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatFixed(row.value, row.decimals, row.format), row.expected);
        // Whatever is written reads back as the rounded value.
        EXPECT_EQ(ParseNumber(row.expected, row.format), RoundHalfAway(row.value, row.decimals));
    }
}

// Ties judged on the shortest digits: 0.35 is one although its double lies above, 0.45 below.
TEST(NumberText, RoundHalfEven)
{
    const struct
    {
        double value;
        int decimals;
        double expected;
    } rows[] = {
        {2.5, 0, 2},    {3.5, 0, 4},    {-2.5, 0, -2},  {1000.0 / 400.0, 0, 2}, {0.25, 1, 0.2},
        {0.75, 1, 0.8}, {0.35, 1, 0.4}, {0.45, 1, 0.4}, {8791.5887, 1, 8791.6}, {9.95, 1, 10.0},
        {1.005, 2, 1.0}};
    for (const auto& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected) << row.value;
        EXPECT_EQ(RoundHalfEven(-row.value, row.decimals), -row.expected) << row.value;
    }
    // A zero result is never negative zero, so it cannot come out as "-0".
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.4)));
    EXPECT_FALSE(std::signbit(RoundHalfAway(-0.004, 2)));
}

// Typed texts the formatter does not write (the round trip below covers those), and one row per
// reason a text is not a number (13) or lies beyond the double range (6). Exponents are accepted.
TEST(NumberText, ParseNumber)
{
    const struct
    {
        const char* name;
        RegionalFormat format;
        std::string text;
        double expected;
        int error = 0;
    } rows[] = {
        {"blanks around", EnUs(), " \t 12.5\u00A0 ", 12.5},
        {"leading plus", EnUs(), "+7", 7},
        {"no whole digits", EnUs(), ".5", 0.5},
        {"exponent", EnUs(), "1E+5", 100000},
        {"underflow reads as zero", EnUs(), "1e-400", 0},
        {"de_DE ungrouped", DeDe(), "1234,5", 1234.5},
        {"fr_FR typed space", FrFr(), "12 345 678,9", 12345678.9},
        {"de_CH typed apostrophe", DeCh(), "1'234'567.50", 1234567.5},
        {"sv_SE hyphen minus", SvSe(), "-1 234,5", -1234.5},
        {"empty", EnUs(), "", 0, 13},
        {"blanks only", EnUs(), "   ", 0, 13},
        {"lone sign", EnUs(), "-", 0, 13},
        {"lone separator", EnUs(), ".", 0, 13},
        {"letters", EnUs(), "abc", 0, 13},
        {"nan", EnUs(), "nan", 0, 13},
        {"inf", EnUs(), "-inf", 0, 13},
        {"two decimal separators", EnUs(), "1.2.3", 0, 13},
        {"number followed by junk", EnUs(), "12abc", 0, 13},
        {"blank where the region groups with commas", EnUs(), "1 234", 0, 13},
        {"leading group too long", EnUs(), "1234,567", 0, 13},
        {"western grouping in hi_IN", HiIn(), "1,234,567", 0, 13},
        {"decimal point typed in de_DE", DeDe(), "1.5", 0, 13},
        {"exponent without digits", EnUs(), "1e+", 0, 13},
        {"too large", EnUs(), "1e309", 0, 6},
        {"enormous exponent", EnUs(), "-1e99999999999999999999", 0, 6},
    };
    for (const auto& row : rows) {
        double value = 0;
        EXPECT_EQ(FailureOf([&] { value = ParseNumber(row.text, row.format); }), row.error)
            << row.name;
        EXPECT_EQ(value, row.expected) << row.name;
    }
    EXPECT_FALSE(std::signbit(ParseNumber("-0.00", EnUs())));
}

// Formats a region is served in, and those it falls back from to en_US.
TEST(NumberText, IsUnambiguous)
{
    const struct
    {
        const char* name;
        RegionalFormat format;
        bool unambiguous;
    } rows[] = {
        {"en_US", EnUs(), true},
        {"de_DE", DeDe(), true},
        {"without grouping", {",", "", 0, 0, "-"}, true},
        {"no decimal separator", {"", ",", 3, 3, "-"}, false},
        {"separators alike", {".", ".", 3, 3, "-"}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsUnambiguous(row.format), row.unambiguous) << row.name;
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
