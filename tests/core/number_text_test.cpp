// Regional number texts: formatting and both rounding rules tested as ties in several regions,
// every kind of rejected text, and a round trip over a million doubles of every magnitude.
#include "common/core/number_text.h"
#include "core/support/formats.h"
#include "errors/core/failure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace vexmoor {
namespace {

using test::DeCh;
using test::DeDe;
using test::EnUs;
using test::FrFr;
using test::HiIn;
using test::SvSe;

// head followed by count times piece.
std::string Repeat(const std::string& head, const std::string& piece, int count)
{
    std::string text = head;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct FormatRow
{
    const char* name;
    RegionalFormat format;
    double value;
    int decimals;
    std::string expected;
};

TEST(NumberText, FormatFixed)
{
    const FormatRow rows[] = {
        // Ties judged on the shortest digits, away from zero.
        {"0.125 two decimals", EnUs(), 0.125, 2, "0.13"},
        {"0.875 two decimals", EnUs(), 0.875, 2, "0.88"},
        {"1.005 is a tie although its double is below", EnUs(), 1.005, 2, "1.01"},
        {"2.5 whole", EnUs(), 2.5, 0, "3"},
        {"-2.5 whole", EnUs(), -2.5, 0, "-3"},
        {"0.5 whole", EnUs(), 0.5, 0, "1"},
        {"0.005 carries into a new digit", EnUs(), 0.005, 2, "0.01"},
        {"9.995 carries through nines", EnUs(), 9.995, 2, "10.00"},
        {"999,999.995 carries into a new group", EnUs(), 999999.995, 2, "1,000,000.00"},
        {"1.0049 rounds down", EnUs(), 1.0049, 2, "1.00"},
        {"2.675 is a tie", EnUs(), 2.675, 2, "2.68"},
        // Padding and leading zero.
        {"1234.5 two decimals", EnUs(), 1234.5, 2, "1,234.50"},
        {"12.5 four decimals", EnUs(), 12.5, 4, "12.5000"},
        {"1234 whole", EnUs(), 1234, 0, "1,234"},
        {"below one", EnUs(), 0.3, 2, "0.30"},
        {"below one negative", EnUs(), -0.3, 2, "-0.30"},
        {"fifteen decimals", EnUs(), 0.1, 15, "0.100000000000000"},
        {"tiny shown as zero", EnUs(), 5e-324, 15, "0.000000000000000"},
        // No negative zero.
        {"minus zero", EnUs(), -0.0, 2, "0.00"},
        {"negative rounding to zero", EnUs(), -0.004, 2, "0.00"},
        {"negative rounding to zero whole", EnUs(), -0.4, 0, "0"},
        {"negative tiny", EnUs(), -1e-300, 4, "0.0000"},
        // Regions.
        {"de_DE", DeDe(), -1234567.891, 2, "-1.234.567,89"},
        {"de_DE below one", DeDe(), 0.125, 2, "0,13"},
        {"fr_FR", FrFr(), 1234567.5, 2, "1\u202F234\u202F567,50"},
        {"de_CH", DeCh(), 1234567.5, 2, "1\u2019234\u2019567.50"},
        {"hi_IN", HiIn(), 1234567, 2, "12,34,567.00"},
        {"hi_IN crore", HiIn(), 123456789.125, 2, "12,34,56,789.13"},
        {"hi_IN under a lakh", HiIn(), 12345, 0, "12,345"},
        {"hi_IN single group", HiIn(), 999, 0, "999"},
        {"sv_SE minus sign", SvSe(), -1234.5, 2, "\u22121\u00A0234,50"},
        {"no grouping", RegionalFormat {".", "", 0, 0, "-"}, 1234567.5, 1, "1234567.5"},
        // Large values are written in full.
        {"above 2^53", EnUs(), 12345678901234567890.0, 2, "12,345,678,901,234,567,000.00"},
        {"1e300", EnUs(), 1e300, 2, Repeat("1", ",000", 100) + ".00"},
        {"1e300 hi_IN", HiIn(), 1e300, 0, Repeat("10", ",00", 148) + ",000"},
        {"-1e300 de_DE", DeDe(), -1e300, 0, Repeat("-1", ".000", 100)},
        {"largest double", EnUs(), DBL_MAX, 0, "179,769,313,486,231,570" + Repeat("", ",000", 97)},
    };
    for (const FormatRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatFixed(row.value, row.decimals, row.format), row.expected);
        // Whatever is written reads back as the rounded value.
        EXPECT_EQ(ParseNumber(row.expected, row.format), RoundHalfAway(row.value, row.decimals));
    }
}

TEST(NumberText, FormatFixedRefusesWhatItCannotWrite)
{
    const double kInf = std::numeric_limits<double>::infinity();
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    for (const double value : {kInf, -kInf, kNan}) {
        try {
            FormatFixed(value, 2, EnUs());
            ADD_FAILURE() << "formatted " << value;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), 6);
        }
    }
    for (const int decimals : {-1, 16}) {
        EXPECT_THROW(FormatFixed(1.0, decimals, EnUs()), Failure);
        EXPECT_THROW(RoundHalfEven(1.0, decimals), Failure);
    }
}

struct RoundRow
{
    const char* name;
    double value;
    int decimals;
    double halfEven;
    double halfAway;
};

TEST(NumberText, Rounding)
{
    const RoundRow rows[] = {
        // Whole numbers.
        {"2.5", 2.5, 0, 2, 3},
        {"3.5", 3.5, 0, 4, 4},
        {"-2.5", -2.5, 0, -2, -3},
        {"-3.5", -3.5, 0, -4, -4},
        {"0.5", 0.5, 0, 0, 1},
        {"1.5", 1.5, 0, 2, 2},
        {"0.4", 0.4, 0, 0, 0},
        {"2.5000001 is above the tie", 2.5000001, 0, 3, 3},
        {"quotient 1000/400", 1000.0 / 400.0, 0, 2, 3},
        {"quotient 1400/400", 1400.0 / 400.0, 0, 4, 4},
        // One decimal, ties on the shortest digits.
        {"0.25", 0.25, 1, 0.2, 0.3},
        {"0.75", 0.75, 1, 0.8, 0.8},
        {"0.35 is a tie though its double is above", 0.35, 1, 0.4, 0.4},
        {"0.45 is a tie though its double is below", 0.45, 1, 0.4, 0.5},
        {"8791.5887", 8791.5887, 1, 8791.6, 8791.6},
        {"9166.6667", 9166.6667, 1, 9166.7, 9166.7},
        {"9.95 carries", 9.95, 1, 10.0, 10.0},
        // Two decimals.
        {"1.005", 1.005, 2, 1.0, 1.01},
        {"1.015", 1.015, 2, 1.02, 1.02},
        {"-0.125", -0.125, 2, -0.12, -0.13},
        // Nothing to round.
        {"already round", 1234.5, 2, 1234.5, 1234.5},
        {"huge", 1e300, 0, 1e300, 1e300},
        {"2^53 + 2", 9007199254740994.0, 0, 9007199254740994.0, 9007199254740994.0},
        {"largest double", DBL_MAX, 2, DBL_MAX, DBL_MAX},
    };
    for (const RoundRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.halfEven);
        EXPECT_EQ(RoundHalfAway(row.value, row.decimals), row.halfAway);
        EXPECT_EQ(RoundHalfEven(-row.value, row.decimals), -row.halfEven);
    }
    // A result of zero is never negative zero, so it cannot come out as "-0".
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.4)));
    EXPECT_FALSE(std::signbit(RoundHalfAway(-0.004, 2)));
    EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(RoundHalfAway(std::numeric_limits<double>::quiet_NaN(), 2)));
}

struct ParseRow
{
    const char* name;
    RegionalFormat format;
    const char* text;
    double expected;
};

TEST(NumberText, ParseNumberAccepts)
{
    const ParseRow rows[] = {
        {"plain", EnUs(), "1234.5", 1234.5},
        {"grouped", EnUs(), "1,234,567.25", 1234567.25},
        {"blanks around", EnUs(), " \t 12.5\u00A0 ", 12.5},
        {"leading minus", EnUs(), "-1,234.50", -1234.5},
        {"leading plus", EnUs(), "+7", 7},
        {"minus sign U+2212 anywhere", EnUs(), "\u22123", -3},
        {"no whole digits", EnUs(), ".5", 0.5},
        {"no fraction digits", EnUs(), "5.", 5},
        {"leading zeros", EnUs(), "007.10", 7.1},
        {"minus zero reads as zero", EnUs(), "-0.00", 0},
        {"exponent", EnUs(), "1E+5", 100000},
        {"exponent lower case", EnUs(), "2.5e-3", 0.0025},
        {"exponent after grouping", EnUs(), "1,000e3", 1e6},
        {"underflow reads as zero", EnUs(), "1e-400", 0},
        {"subnormal", EnUs(), "5e-324", 5e-324},
        {"largest double", EnUs(), "1.7976931348623157e308", DBL_MAX},
        {"long digit string", EnUs(), "0.1000000000000000000000000000000000000001", 0.1},
        {"de_DE", DeDe(), "-1.234.567,89", -1234567.89},
        {"de_DE ungrouped", DeDe(), "1234,5", 1234.5},
        {"fr_FR narrow no-break space", FrFr(), "1\u202F234,50", 1234.5},
        {"fr_FR no-break space", FrFr(), "1\u00A0234,50", 1234.5},
        {"fr_FR space", FrFr(), "12 345 678,9", 12345678.9},
        {"de_CH typographic apostrophe", DeCh(), "1\u2019234.50", 1234.5},
        {"de_CH typed apostrophe", DeCh(), "1'234'567.50", 1234567.5},
        {"hi_IN", HiIn(), "12,34,567.00", 1234567},
        {"hi_IN thousand", HiIn(), "1,234", 1234},
        {"sv_SE own minus sign", SvSe(), "\u22121\u00A0234,5", -1234.5},
        {"sv_SE hyphen minus", SvSe(), "-1 234,5", -1234.5},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseNumber(row.text, row.format), row.expected);
    }
    EXPECT_FALSE(std::signbit(ParseNumber("-0", EnUs())));
}

struct RejectRow
{
    const char* name;
    RegionalFormat format;
    std::string text;
    int error;
};

TEST(NumberText, ParseNumberRejects)
{
    const std::string kHugeDigits = "1" + std::string(400, '0');
    const RejectRow rows[] = {
        {"empty", EnUs(), "", 13},
        {"blanks only", EnUs(), "   ", 13},
        {"lone minus", EnUs(), "-", 13},
        {"lone plus", EnUs(), "+", 13},
        {"lone decimal separator", EnUs(), ".", 13},
        {"lone group separator", EnUs(), ",", 13},
        {"sign and separator", EnUs(), "-.", 13},
        {"letters", EnUs(), "abc", 13},
        {"nan", EnUs(), "nan", 13},
        {"inf", EnUs(), "inf", 13},
        {"infinity", EnUs(), "-Infinity", 13},
        {"hexadecimal", EnUs(), "0x10", 13},
        {"two decimal separators", EnUs(), "1.2.3", 13},
        {"trailing junk", EnUs(), "12abc", 13},
        {"trailing minus", EnUs(), "12-", 13},
        {"two signs", EnUs(), "--12", 13},
        {"blank after sign", EnUs(), "- 12", 13},
        {"blank inside", EnUs(), "1 234", 13},
        {"parentheses", EnUs(), "(12)", 13},
        {"currency", EnUs(), "$12", 13},
        {"group separator in fraction", EnUs(), "1.234,5", 13},
        {"group separator leading", EnUs(), ",123", 13},
        {"group separator trailing", EnUs(), "123,", 13},
        {"group separator before decimal", EnUs(), "1,.5", 13},
        {"two group separators", EnUs(), "1,,234", 13},
        {"short group", EnUs(), "1,23", 13},
        {"long group", EnUs(), "1,2345", 13},
        {"long leading group", EnUs(), "1234,567", 13},
        {"western grouping in hi_IN", HiIn(), "1,234,567", 13},
        {"hi_IN grouping in en_US", EnUs(), "12,34,567", 13},
        {"de_DE decimal point typed", DeDe(), "1.5", 13},
        {"de_DE two decimal separators", DeDe(), "1,5,0", 13},
        {"exponent without digits", EnUs(), "1e", 13},
        {"exponent sign only", EnUs(), "1e+", 13},
        {"exponent alone", EnUs(), "e5", 13},
        {"fractional exponent", EnUs(), "1e2.5", 13},
        {"space in en_US is no separator", EnUs(), "1\u00A0234", 13},
        {"foreign digits", EnUs(), "\u0661\u0662", 13},
        {"embedded NUL", EnUs(),
         std::string("12\0"
                     "3",
                     4),
         13},
        // Beyond the double range.
        {"too large", EnUs(), "1e309", 6},
        {"too large negative", EnUs(), "-2e308", 6},
        {"too many digits", EnUs(), kHugeDigits, 6},
        {"enormous exponent", EnUs(), "1e99999999999999999999", 6},
    };
    for (const RejectRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            const double value = ParseNumber(row.text, row.format);
            ADD_FAILURE() << "read as " << value;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), row.error);
        }
    }
}

// The rounding rules restated plainly, from fixed-notation texts, as an oracle for the two
// rounding functions: a value whose shortest digits end within decimals + 1 places is rounded on
// those digits (a final 5 is a tie); any other value cannot be a tie and is rounded on its exact
// binary expansion.
double ReferenceRound(double value, int decimals, bool halfEven)
{
    char text[800];
    const double magnitude = std::fabs(value);
    auto end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed).ptr;
    std::string digits(text, end);
    auto point = digits.find('.');
    if (point != std::string::npos && digits.size() - point - 1 > std::size_t(decimals) + 1) {
        end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed,
                            decimals + 40)
                  .ptr;
        digits.assign(text, end);
        point = digits.find('.');
    }
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), std::size_t(decimals) + 1), '0');
    std::string kept = whole + fraction.substr(0, std::size_t(decimals));
    const char next = fraction[std::size_t(decimals)];
    const bool beyond =
        fraction.find_first_not_of('0', std::size_t(decimals) + 1) != std::string::npos;
    const bool lastOdd = (kept.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (beyond || !halfEven || lastOdd))) {
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

// A million doubles: any bit pattern (every magnitude from subnormal to the largest), doubles of
// the magnitudes amounts have, and the short decimals people type, full of exact ties. Each is
// formatted in some region and read back, and both roundings are checked against the oracle.
TEST(NumberText, RoundTripOfEveryMagnitude)
{
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kCount = 50'000;
#else
    constexpr int kCount = 1'000'000;
#endif
    const RegionalFormat formats[] = {EnUs(), DeDe(), FrFr(), DeCh(), HiIn(), SvSe()};
    constexpr int kDecimals[] = {0, 2, 4, 1, 15, 2, 3};
    std::mt19937_64 random(20240607);
    int failures = 0;
    for (int i = 0; i < kCount && failures < 10; ++i) {
        double value;
        switch (i % 3) {
        case 0:
            value = std::bit_cast<double>(random());
            if (!std::isfinite(value))
                continue;
            break;
        case 1:
            value = std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52,
                               static_cast<int>(random() % 80) - 30);
            break;
        default:
            value = static_cast<double>(random() % 1'000'000'000'000ULL) /
                std::pow(10.0, static_cast<int>(random() % 8));
            break;
        }
        if (random() % 2)
            value = -value;
        const int decimals = kDecimals[i % std::size(kDecimals)];
        const RegionalFormat& format = formats[(i / 7) % std::size(formats)];
        const double rounded = RoundHalfAway(value, decimals);
        bool ok = false;
        try {
            ok = ParseNumber(FormatFixed(value, decimals, format), format) == rounded &&
                rounded == ReferenceRound(value, decimals, false) &&
                RoundHalfEven(value, decimals) == ReferenceRound(value, decimals, true);
        } catch (const Failure&) { }
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "value " << std::hexfloat << value << " decimals " << decimals;
        }
    }
}

} // namespace
} // namespace vexmoor
