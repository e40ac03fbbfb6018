// The calculator engine, driven like the key pad: recorded key sequences with the display after
// every key, overflows that must leave the state alone, long entries, and long random
// sequences that must never crash or show anything but a number, "0." or "ERROR.".
#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"
#include "errors/core/failure.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vexmoor {
namespace {

std::vector<std::string> Split(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

struct SequenceRow
{
    const char* name;
    const char* keys; // captions, blank-separated
    const char* displays; // the display after each key; "!" marks a key that beeps
};

// clang-format off
const SequenceRow kSequences[] = {
    // Entering numbers.
    {"LeadingZeroDropped",     "0 . 5",                 "0. 0. .5"},
    {"OneLeadingZeroOnly",     "0 0 5",                 "0. 0. 05."},
    {"ZeroThenDigit",          "0 5",                   "0. 5."},
    {"LonePoint",              ". .",                   "0. 0.!"},
    {"SecondPointBeeps",       "1 . 2 .",               "1. 1. 1.2 1.2!"},
    {"PointAfterOperator",     "1 . 5 + . 5 =",         "1. 1. 1.5 1.5 0. .5 2."},
    // Operators and "=".
    {"RepeatedEquals",         "1 2 + 3 = = =",         "1. 12. 12. 3. 15. 18. 21."},
    {"OperatorDoesNotEvaluate","5 + 3 + 2 =",           "5. 5. 3. 3. 2. 5."},
    {"OperatorAfterEquals",    "5 + 3 = + 2 =",         "5. 5. 3. 8. 8. 2. 10."},
    {"RepeatedSubtraction",    "9 - 4 = =",             "9. 9. 4. 5. 1."},
    {"RepeatedProduct",        "6 * 7 = =",             "6. 6. 7. 42. 294."},
    {"OneThird",               "1 / 3 =",               "1. 1. 3. .333333333333333"},
    {"TwoThirdsRounded",       "2 / 3 =",               "2. 2. 3. .666666666666667"},
    {"EqualsWithoutOperator",  "7 =",                   "7. 7."},
    {"DigitAfterEqualsStarts", "2 + 3 = 4",             "2. 2. 3. 5. 4."},
    {"NegativeResult",         "3 - 5 =",               "3. 3. 5. -2."},
    {"ExponentLarge",          "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 + 1 =",
     "9. 99. 999. 9999. 99999. 999999. 9999999. 99999999. 999999999. 9999999999. 99999999999. "
     "999999999999. 9999999999999. 99999999999999. 999999999999999. 999999999999999. 1. 1E+15."},
    {"ExponentSmall",          "1 / 1 0 0 0 0 0 =",     "1E-05."},
    {"LastPlainSmall",         "1 / 1 0 0 0 0 =",       "1. 1. 1. 10. 100. 1000. 10000. .0001"},
    // Percent.
    {"Percent",                "2 0 0 + 1 0 % =",       "2. 20. 200. 200. 1. 10. 20. 220."},
    {"PercentWithoutOperator", "5 0 %",                 "5. 50. 0."},
    // Errors.
    {"DivideByZero",           "8 / 0 = 5",             "8. 8. 0. ERROR. 5."},
    {"ErrorRepeats",           "8 / 0 = =",             "8. 8. 0. ERROR. ERROR."},
    {"ErrorWipedByNegate",     "8 / 0 = +/-",           "8. 8. 0. ERROR. 0."},
    {"ReciprocalOfZero",       "0 1/x",                 "0. ERROR."},
    {"SquareRoot",             "9 sqrt",                "9. 3."},
    {"SquareRootOfTwo",        "2 sqrt",                "2. 1.4142135623731"},
    {"SquareRootOfNegative",   "4 +/- sqrt",            "4. -4. ERROR."},
    {"Reciprocal",             "4 1/x",                 ".25"},
    {"ReciprocalReplacesAccumulator", "2 + 4 1/x =",    "2. 2. 4. .25 .5"},
    // Digits after a function result go on the entry, as on a pocket calculator.
    {"DigitAfterSquareRoot",   "4 sqrt 5",              "4. 2. 25."},
    {"DigitAfterExponent",     "1 0 0 0 0 0 1/x 7",     "1E-057."},
    {"NoPointInExponent",      "1 0 0 0 0 0 1/x .",     "1E-05.!"},
    {"BackspaceThroughExponent", "1 0 0 0 0 0 1/x Backspace Backspace Backspace",
     "1. 10. 100. 1000. 10000. 100000. 1E-05. 1E-0. 1. 0."},
    // Sign.
    {"NegateTwice",            "4 5 +/- +/-",           "4. 45. -45. 45."},
    {"NegateEmpty",            "+/-",                   "0."},
    {"NegatePoint",            ". +/- 5",               "0. -0. -.5"},
    {"NegateDecimal",          "3 . 5 +/- * 2 =",       "3. 3. 3.5 -3.5 -3.5 2. -7."},
    // Backspace, CE, C.
    {"BackspaceSetsAccumulator","5 + 3 4 Backspace =",  "5. 5. 3. 34. 3. 6."},
    {"BackspaceOnZero",        "0 Backspace",           "0. 0."},
    {"BackspacePoint",         "1 . Backspace",         "1. 1. 1."},
    {"BackspaceTrailingZeros", "1 . 0 Backspace",       "1. 1. 1.0 1."},
    {"BackspaceToSign",        "5 +/- Backspace Backspace 7", "5. -5. -0. -0. -7."},
    {"ClearEntry",             "5 + 3 CE 4 =",          "5. 5. 3. 0. 4. 9."},
    {"ClearKeepsOperator",     "5 + C 3 =",             "5. 5. 0. 3. 3."},
    {"ClearAfterResult",       "2 * 3 = C =",           "2. 2. 3. 6. 0. 0."},
};
// clang-format on

class CalculatorSequence : public testing::TestWithParam<SequenceRow>
{
};

TEST_P(CalculatorSequence, ShowsEachDisplay)
{
    const SequenceRow& row = GetParam();
    const std::vector<std::string> keys = Split(row.keys);
    std::vector<std::string> expected = Split(row.displays);
    // A row may give only the final display.
    if (expected.size() == 1 && keys.size() > 1)
        expected.insert(expected.begin(), keys.size() - 1, "");
    ASSERT_EQ(keys.size(), expected.size()) << row.keys;

    CalculatorState state;
    EXPECT_EQ(CalculatorDisplay(state), "0.");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const CalculatorKeyResult result = PressCalculatorKey(state, keys[i]);
        std::string want = expected[i];
        const bool beep = !want.empty() && want.back() == '!';
        if (beep)
            want.pop_back();
        if (!want.empty()) {
            EXPECT_EQ(result.display, want) << "after key " << i + 1 << " (" << keys[i] << ")";
        }
        EXPECT_EQ(result.beep, beep) << "after key " << i + 1 << " (" << keys[i] << ")";
        EXPECT_EQ(result.display, CalculatorDisplay(state));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CalculatorSequence, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

// A state whose entry is already `entry`, as after typing it or after a result.
CalculatorState WithEntry(std::string entry, double accumulator = 0)
{
    CalculatorState state;
    state.Entry = std::move(entry);
    state.Accumulator = accumulator;
    return state;
}

// A pending operation whose next "=" reuses the operand of the previous one.
CalculatorState Pending(const char* op, double accumulator, double operand)
{
    CalculatorState state = WithEntry("1", accumulator);
    state.PendingOperator = op;
    state.Operand = operand;
    state.NewEntryAfterEquals = true;
    return state;
}

// An operator pressed and a second operand typed: the next "=" reads the entry.
CalculatorState AwaitingEquals(const char* op, double accumulator, std::string entry)
{
    CalculatorState state = WithEntry(std::move(entry), accumulator);
    state.PendingOperator = op;
    state.OperandFromEntry = true;
    return state;
}

struct OverflowRow
{
    const char* name;
    CalculatorState state;
    const char* setup; // keys that succeed first
    const char* key; // the key that overflows
};

const std::string kHundredDigits = "1" + std::string(100, '0');
const std::string kTooManyDigits(400, '9');

const OverflowRow kOverflows[] = {
    {"RepeatedProduct", WithEntry(kHundredDigits), "* = =", "="},
    {"Sum", WithEntry("1.7E+308"), "+", "="},
    {"Difference", WithEntry("-1.7E+308"), "- +/-", "="},
    {"QuotientByTiny", Pending("/", 1e300, 1e-300), "", "="},
    {"Percent", WithEntry("1E+300", 1e300), "", "%"},
    {"ReciprocalOfTiny", WithEntry("4E-320"), "", "1/x"},
    {"LongEntryOperator", WithEntry(kTooManyDigits), "", "+"},
    {"LongEntryEquals", WithEntry(kTooManyDigits), "", "="},
    {"LongEntryOperand", AwaitingEquals("*", 2, kTooManyDigits), "", "="},
    {"LongEntrySqrt", WithEntry(kTooManyDigits), "", "sqrt"},
    {"LongEntryPercent", WithEntry(kTooManyDigits), "", "%"},
    {"LongEntryReciprocal", WithEntry(kTooManyDigits), "", "1/x"},
    {"HugeExponent", WithEntry("1E+99999999999999999999999"), "", "1/x"},
};

TEST(CalculatorOverflow, ThrowsAndLeavesTheStateAlone)
{
    for (const OverflowRow& row : kOverflows) {
        SCOPED_TRACE(row.name);
        CalculatorState state = row.state;
        for (const std::string& key : Split(row.setup))
            PressCalculatorKey(state, key);
        const CalculatorState before = state;
        try {
            PressCalculatorKey(state, row.key);
            ADD_FAILURE() << "no overflow";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), 6);
        }
        EXPECT_EQ(state, before);
    }
}

TEST(CalculatorOverflow, ErrorEntryIsNotWipedByAnOverflowingKey)
{
    CalculatorState state;
    for (const char* key : {"1", "+", "0", "="})
        PressCalculatorKey(state, key);
    state.Entry = "ERROR";
    state.Accumulator = 1e308;
    state.Operand = 1e308;
    const CalculatorState before = state;
    EXPECT_THROW(PressCalculatorKey(state, "="), Failure);
    EXPECT_EQ(state, before);
    EXPECT_EQ(CalculatorDisplay(state), "ERROR.");
}

TEST(CalculatorLongEntry, ThousandsOfDigitsNeitherCrashNorHang)
{
    CalculatorState state;
    for (int i = 0; i < 5000; ++i)
        PressCalculatorKey(state, "9");
    EXPECT_EQ(CalculatorDisplay(state).size(), 5001u);
    EXPECT_THROW(PressCalculatorKey(state, "+"), Failure);
    // Backspace still shortens an entry too large to read; the accumulator follows once the
    // entry fits a double again.
    for (int i = 0; i < 4700; ++i)
        PressCalculatorKey(state, "Backspace");
    EXPECT_EQ(state.Entry, std::string(300, '9'));
    EXPECT_DOUBLE_EQ(state.Accumulator, 1e300);
    EXPECT_EQ(PressCalculatorKey(state, "+").display, std::string(300, '9') + ".");

    CalculatorState tiny;
    for (const char* key : {"0", "."})
        PressCalculatorKey(tiny, key);
    for (int i = 0; i < 3000; ++i)
        PressCalculatorKey(tiny, "0");
    PressCalculatorKey(tiny, "1");
    EXPECT_EQ(PressCalculatorKey(tiny, "sqrt").display, "0.");
}

// A display is a number text (with the point the display adds), "0." or "ERROR.".
bool IsDisplayText(const std::string& display)
{
    static const std::regex number(R"(-?(\d+\.?\d*|\.\d+)(E[+-]\d+)?\.?)");
    if (display == "0." || display == "ERROR.")
        return true;
    return std::regex_match(display, number) &&
        std::count(display.begin(), display.end(), '.') >= 1;
}

TEST(CalculatorRandom, LongSequencesAlwaysShowANumber)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, kCalculatorPad.size() - 1);
    int overflows = 0;
    for (int sequence = 0; sequence < 300; ++sequence) {
        CalculatorState state;
        std::string display = CalculatorDisplay(state);
        for (int press = 0; press < 400; ++press) {
            const std::string_view key = kCalculatorPad[pick(random)].caption;
            const CalculatorState before = state;
            try {
                display = PressCalculatorKey(state, key).display;
            } catch (const Failure& failure) {
                ASSERT_EQ(failure.Number(), 6);
                ASSERT_EQ(state, before);
                ++overflows;
            }
            ASSERT_TRUE(IsDisplayText(display))
                << "sequence " << sequence << " key " << press << ": " << display;
            ASSERT_EQ(display.find("inf"), std::string::npos);
            ASSERT_EQ(display.find("nan"), std::string::npos);
        }
    }
    // Random keys multiply long enough entries to reach the limit now and then.
    EXPECT_GT(overflows, 0);
}

// Products and quotients of random entries go beyond the double range often; the state must
// survive every one of them.
TEST(CalculatorRandom, LargeOperandsOverflowSafely)
{
    std::mt19937 random(7);
    const char* const keys[] = {"*", "/", "=", "=", "1/x", "sqrt", "%", "+/-", "9", "0", "0", "."};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(keys) - 1);
    int overflows = 0;
    for (int sequence = 0; sequence < 200; ++sequence) {
        CalculatorState state = WithEntry("1E+200");
        for (int press = 0; press < 200; ++press) {
            const CalculatorState before = state;
            try {
                const std::string display = PressCalculatorKey(state, keys[pick(random)]).display;
                ASSERT_TRUE(IsDisplayText(display)) << display;
            } catch (const Failure& failure) {
                ASSERT_EQ(failure.Number(), 6);
                ASSERT_EQ(state, before);
                ++overflows;
            }
        }
    }
    EXPECT_GT(overflows, 100);
}

} // namespace
} // namespace vexmoor
