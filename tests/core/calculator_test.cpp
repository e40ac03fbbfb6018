// The calculator engine driven like the key pad (recorded key sequences and long random ones), its
// number texts, and the keyboard maps.
#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"
#include "calculator/core/calculator_numbers.h"
#include "support/failure_of.h"
#include "support/properties.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace vexmoor {
namespace {

using test::FailureOf;

// Key captions in, the display after the last key out; "!": that key beeps (no other may).
// clang-format off
const std::pair<const char*, const char*> kSequences[] = {
    // Entering numbers: "0." at start, a trailing point, one leading zero dropped.
    {"", "0."}, {"0 . 5", ".5"}, {"0 0 5", "05."}, {". .", "0.!"}, {"1 . 2 .", "1.2!"},
    {"1 . 5 + . 5 =", "2."},
    // Operators take the entry; "=" evaluates, and again repeats the last operation.
    {"1 2 + 3 = = =", "21."}, {"5 + 3 + 2 =", "5."}, {"5 + 3 = + 2 =", "10."}, {"9 - 4 = =", "1."},
    {"2 + 3 = 4", "4."}, {"1 / 3 =", ".333333333333333"},
    {"2 0 0 + 1 0 %", "20."}, {"2 0 0 + 1 0 % =", "220."}, {"5 0 %", "0."},
    // Errors, wiped by the next key.
    {"8 / 0 =", "ERROR."}, {"8 / 0 = 5", "5."}, {"0 1/x", "ERROR."}, {"4 +/- sqrt", "ERROR."},
    {"2 + 4 1/x =", ".5"},
    // Digits after a function result go on the entry, as on a pocket calculator; no point
    // after an exponent, and Backspace drops an incomplete one.
    {"4 sqrt 5", "25."}, {"1 0 0 0 0 0 1/x", "1E-05."}, {"1 0 0 0 0 0 1/x .", "1E-05.!"},
    {"1 0 0 0 0 0 1/x Backspace", "1E-0."}, {"1 0 0 0 0 0 1/x Backspace Backspace", "1."},
    // Sign, Backspace, CE and C (which keeps the pending operator).
    {"4 5 +/-", "-45."}, {"+/-", "0."}, {". +/-", "-0."}, {". +/- 5", "-.5"},
    {"5 +/- Backspace", "-0."}, {"5 +/- Backspace Backspace 7", "-7."}, {"0 Backspace", "0."},
    {"5 + 3 4 Backspace =", "6."}, {"5 + 3 CE 4 =", "9."}, {"5 + C 3 =", "3."},
};
// clang-format on

TEST(CalculatorEngine, KeySequences)
{
    for (const auto& [keys, display] : kSequences) {
        CalculatorState state;
        CalculatorKeyResult result {CalculatorDisplay(state)};
        int beeps = 0;
        std::istringstream in(keys);
        for (std::string key; in >> key;) {
            result = PressCalculatorKey(state, key);
            beeps += result.beep;
            EXPECT_EQ(result.display, CalculatorDisplay(state)) << keys;
        }
        const std::string shown = result.display + (result.beep ? "!" : "");
        EXPECT_EQ(shown, display) << keys;
        EXPECT_EQ(beeps, result.beep ? 1 : 0) << keys;
    }
}

// Random sequences, every other one from a large result so that products often overflow.
TEST(CalculatorEngine, LongRandomSequencesKeepTheKeysProperties)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, kCalculatorPad.size() - 1);
    int overflows = 0;
    for (int sequence = 0; sequence < 300; ++sequence) {
        CalculatorState state;
        if (sequence % 2 != 0)
            state.Entry = "1E+200";
        for (int press = 0; press < 400; ++press)
            ASSERT_EQ(test::PressFault(state, kCalculatorPad[pick(random)].caption, overflows), "")
                << "sequence " << sequence;
    }
    EXPECT_GT(overflows, 100);
}

TEST(CalculatorNumbers, EntryValueAndResultText)
{
    // clang-format off
    const std::pair<std::string, double> entries[] = {
        // An entry reads as far as it forms a number; one without a digit there reads as 0.
        {"", 0}, {"ERROR", 0}, {"-.", 0}, {"12.", 12}, {"-.5", -0.5}, {"005", 5}, {"1.2.3", 1.2},
        // Exponents as results write them, also with digits typed after them.
        {"-1.5E-05", -1.5e-5}, {"7E+", 7}, {"1E+20.", 1e20}, {"1E+205", 1e205},
        // Too small for a double: 0; long but within range: read.
        {"1E-0500", 0}, {"0." + std::string(1000, '0') + "1", 0}, {std::string(300, '9'), 1e300},
    };
    // clang-format on
    for (const auto& [entry, value] : entries) {
        EXPECT_DOUBLE_EQ(EntryValue(entry), value) << entry.substr(0, 30);
        EXPECT_TRUE(TryEntryValue(entry).has_value());
    }
    for (const std::string& entry : {std::string(1000, '9'), std::string("-1E+0400")}) {
        EXPECT_EQ(FailureOf([&] { EntryValue(entry); }), 6) << entry.substr(0, 30);
        EXPECT_FALSE(TryEntryValue(entry).has_value());
    }

    constexpr double kMax = std::numeric_limits<double>::max();
    // clang-format off
    const std::pair<double, const char*> results[] = {
        // Zero has no sign; 15 significant digits, rounded on the shortest text of the double.
        {-0.0, "0"}, {-0.125, "-0.125"}, {2.0 / 3, "0.666666666666667"}, {0.1 + 0.2, "0.3"},
        {1.234567890123455, "1.23456789012346"}, {1.234567890123454, "1.23456789012345"},
        // In full from 1E-04 up to 15 digits before the point; beyond, E, a sign, two digits.
        {999999999999999, "999999999999999"}, {12345678901234.5, "12345678901234.5"},
        {9.9999999999999999e-5, "0.0001"}, {0.00001, "1E-05"}, {999999999999999.5, "1E+15"},
        {1234567890123456, "1.23456789012346E+15"}, {-1.5e-7, "-1.5E-07"}, {1e100, "1E+100"},
        // The largest double is written rounded down, so that it reads back.
        {kMax, "1.79769313486231E+308"}, {std::numeric_limits<double>::denorm_min(), "5E-324"},
    };
    // clang-format on
    for (const auto& [value, text] : results)
        EXPECT_EQ(ResultText(value), text);
    for (const double value : {std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(FailureOf([&] { ResultText(value); }), 6);
}

// Any finite double: its text reads back to a number that writes the same text, so a result
// used as an entry is the number the user saw.
TEST(CalculatorNumbers, ResultsReadBackAsShown)
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

TEST(CalculatorKeys, KeysThatPressNothing)
{
    // Tab, Space and letters keep their own meaning; the keypad separator is no point.
    for (const int code : {keycode::kTab, 32, 83, 108})
        EXPECT_EQ(CalculatorKeyForKeyCode(code, 0), -1) << code;
    // A main-row digit with Shift types a symbol, Ctrl or not; the keypad types digits regardless.
    EXPECT_EQ(CalculatorKeyForKeyCode(53, kShiftMask | kCtrlMask), -1);
    EXPECT_EQ(CalculatorKeyForKeyCode(53, kCtrlMask), 9);
    EXPECT_EQ(CalculatorKeyForKeyCode(104, kShiftMask), 4);
    for (const int character : {int('\r'), int(' '), int(','), int('c'), 0x00B7})
        EXPECT_EQ(CalculatorKeyForCharacter(character), -1) << character;
}

} // namespace
} // namespace vexmoor
