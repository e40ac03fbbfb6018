// The calculator's number texts: reading an entry, writing a result, and the promise between
// them that every result reads back as the number it shows.
#include "calculator/core/calculator_numbers.h"
#include "errors/core/failure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace vexmoor {
namespace {

struct EntryRow
{
    const char* name;
    std::string entry;
    double value;
};

// clang-format off
const EntryRow kEntries[] = {
    // Nothing that forms a number reads as 0.
    {"Empty", "", 0}, {"Error", "ERROR", 0}, {"Point", ".", 0}, {"Minus", "-", 0},
    {"MinusPoint", "-.", 0}, {"LeadingBlank", " 5", 0}, {"PlusSign", "+5", 0},
    // Plain numbers.
    {"Whole", "12", 12}, {"Decimal", "12.5", 12.5}, {"TrailingPoint", "12.", 12},
    {"DigitsAfterPoint", ".5", 0.5}, {"Negative", "-.5", -0.5}, {"LeadingZeros", "005", 5},
    // Reading stops at the first character that does not fit.
    {"SecondPoint", "1.2.3", 1.2}, {"Comma", "1,5", 1}, {"MinusInside", "12-3", 12},
    // Exponents as results write them, and only when complete.
    {"Exponent", "1E+20", 1e20}, {"NegativeExponent", "-1.5E-05", -1.5e-5},
    {"LowerCaseExponent", "2e+3", 2000}, {"UnsignedExponent", "2E3", 2000},
    {"ExponentWithoutDigits", "7E+", 7}, {"BareE", "7E", 7}, {"PointAfterExponent", "1E+20.", 1e20},
    {"DigitsTypedAfterExponent", "1E+205", 1e205},
    // Too small for a double: 0.
    {"Underflow", "1E-400", 0}, {"LongFraction", "0." + std::string(1000, '0') + "1", 0},
    {"HugeNegativeExponent", "5E-99999999999999999999", 0},
    // Long but within range.
    {"ThreeHundredDigits", std::string(300, '9'), 1e300},
    {"Subnormal", "4.94065645841247E-324", 4.94065645841247e-324},
};
// clang-format on

TEST(EntryValue, ReadsTheNumberAtTheStart)
{
    for (const EntryRow& row : kEntries) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(EntryValue(row.entry), row.value);
        ASSERT_TRUE(TryEntryValue(row.entry).has_value());
    }
}

TEST(EntryValue, TooLargeOverflows)
{
    for (const std::string& entry :
         {std::string(1000, '9'), std::string("1E+309"), std::string("-1E+400"),
          std::string("1.8E+308"), std::string("1E+99999999999999999999"),
          std::string("-") + std::string(500, '1') + ".5"}) {
        SCOPED_TRACE(entry.substr(0, 30));
        try {
            EntryValue(entry);
            ADD_FAILURE() << "no overflow";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), 6);
        }
        EXPECT_FALSE(TryEntryValue(entry).has_value());
    }
}

struct ResultRow
{
    const char* name;
    double value;
    const char* text;
};

// clang-format off
const ResultRow kResults[] = {
    // Zero never carries a sign.
    {"Zero", 0.0, "0"}, {"NegativeZero", -0.0, "0"},
    {"Whole", 42, "42"}, {"Negative", -42, "-42"}, {"Half", 0.5, "0.5"},
    {"NegativeFraction", -0.125, "-0.125"},
    // Fifteen significant digits, rounded on the shortest text of the double.
    {"OneThird", 1.0 / 3, "0.333333333333333"}, {"TwoThirds", 2.0 / 3, "0.666666666666667"},
    {"SquareRootOfTwo", 1.4142135623730951, "1.4142135623731"},
    {"BinaryNoise", 0.1 + 0.2, "0.3"}, {"NoiseBelow", 1.0 - 1e-16, "1"},
    {"TieRoundsAway", 1.234567890123455, "1.23456789012346"},
    {"TieRoundsAwayNegative", -1.234567890123455, "-1.23456789012346"},
    {"BelowTie", 1.234567890123454, "1.23456789012345"},
    // Written out in full from 1E-04 up to 15 digits before the point.
    {"LargestPlain", 999999999999999, "999999999999999"},
    {"FifteenDigits", 123456789012345, "123456789012345"},
    {"FractionOfLargePlain", 12345678901234.5, "12345678901234.5"},
    {"SmallestPlain", 0.0001, "0.0001"}, {"SmallPlainDigits", 0.000123456, "0.000123456"},
    // Exponent form beyond: E, a sign, at least two digits.
    {"RoundsUpToExponent", 999999999999999.5, "1E+15"},
    {"OneE15", 1e15, "1E+15"}, {"SixteenDigits", 1234567890123456, "1.23456789012346E+15"},
    {"TenThousandth", 0.00001, "1E-05"}, {"SmallDigits", -1.5e-7, "-1.5E-07"},
    {"ThreeDigitExponent", 1e100, "1E+100"}, {"LargeNegative", -2.5e300, "-2.5E+300"},
    {"CarryIntoExponent", 9.9999999999999999e-5, "0.0001"},
    // The largest double is written rounded down, so that it reads back.
    {"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486231E+308"},
    {"NegativeLargest", -std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
    {"NextBelowLimit", 1.79769313486230e308, "1.7976931348623E+308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "5E-324"},
};
// clang-format on

TEST(ResultText, WritesTheGeneralForm)
{
    for (const ResultRow& row : kResults) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ResultText(row.value), row.text);
    }
}

TEST(ResultText, InfinityAndNotANumberOverflow)
{
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        try {
            ResultText(value);
            ADD_FAILURE() << "no failure for " << value;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), 6);
        }
    }
}

// Every finite double: the text reads back, and reading it back and writing again gives the
// same text, so a result shown and then used as an entry is the number the user saw.
TEST(ResultText, ReadsBackThroughEntryValue)
{
    std::mt19937_64 random(15);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        const std::string text = ResultText(value);
        const double back = EntryValue(text);
        ASSERT_EQ(ResultText(back), text) << value;
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14) << text;
    }
}

// A number of at most 15 significant digits comes back exactly.
TEST(ResultText, FifteenDigitNumbersRoundTripExactly)
{
    std::mt19937_64 random(1515);
    std::uniform_int_distribution<std::int64_t> mantissa(-999999999999999, 999999999999999);
    std::uniform_int_distribution<int> exponent(-320, 290);
    for (int i = 0; i < 200000; ++i) {
        const std::string written =
            std::to_string(mantissa(random)) + "E" + std::to_string(exponent(random));
        const double value = EntryValue(written);
        ASSERT_EQ(EntryValue(ResultText(value)), value) << written;
    }
}

} // namespace
} // namespace vexmoor
