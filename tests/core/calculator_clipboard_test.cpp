// The calculator's display copied as a regional number, and pasted texts typed as pad keys (the
// keys are pressed on a real engine state, so a test sees the display a user would).
#include "calculator/core/calculator_clipboard.h"
#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vexmoor {
namespace {

using namespace test;

TEST(CalculatorClipboard, CopyWritesTheShownNumberInTheRegion)
{
    // The display, the region, what is copied (nullptr: nothing).
    // clang-format off
    const std::tuple<const char*, RegionalFormat, const char*> rows[] = {
        // The trailing point of whole numbers goes, a dropped leading zero comes back.
        {"0.", EnUs(), "0"},        {"15.", EnUs(), "15"},        {".5", EnUs(), "0.5"},
        {"-.5", EnUs(), "-0.5"},    {"05.", EnUs(), "5"},         {"1.50", EnUs(), "1.50"},
        {"-0.", EnUs(), "0"},       {"1.5E+20.", EnUs(), "1.5E+20"}, {"1E-05.", EnUs(), "1E-05"},
        // The region's decimal separator and minus sign; never a group separator.
        {".5", DeDe(), "0,5"},      {"-1234.5", DeDe(), "-1234,5"}, {"1.5E+20.", DeDe(), "1,5E+20"},
        {"-45.", SvSe(), "\u221245"}, {"1234567.", FrFr(), "1234567"},
        // No number on the display.
        {"ERROR.", EnUs(), nullptr}, {"", EnUs(), nullptr}, {".", EnUs(), nullptr},
        {"1E+.", EnUs(), nullptr},
    };
    // clang-format on
    for (const auto& [display, format, copied] : rows)
        EXPECT_EQ(CalculatorCopyText(display, format).value_or("(none)"),
                  copied ? copied : "(none)")
            << display;
}

// Presses the captions of `typed` (blank-separated), pastes `text`, presses `after` and returns the
// display, or "beep" when the paste is refused (and nothing pressed).
TEST(CalculatorClipboard, PasteTypesTheNumberOverTheEntry)
{
    // clang-format off
    const std::tuple<const char*, std::string, RegionalFormat, const char*, const char*> rows[] = {
        // Numbers replace the entry; blanks and a spreadsheet cell's line end are dropped.
        {"", "12", EnUs(), "12.", ""},               {"3 4", "5", EnUs(), "5.", ""},
        {"", " 0.5\r\n", EnUs(), ".5", ""},          {"", "-1,234.5", EnUs(), "-1234.5", ""},
        {"5 +", "2", EnUs(), "7.", "="},             {"1 / 0 =", "4", EnUs(), "4.", ""},
        {"", "-0", EnUs(), "0.", ""},                {"", "1.234,5", DeDe(), "1234.5", ""},
        {"", "1.5", DeDe(), "1.5", ""},              {"", "1.234", DeDe(), "1234.", ""},
        {"", "1\u202F234,5", FrFr(), "1234.5", ""},  {"", "\u22122,5", SvSe(), "-2.5", ""},
        // An exponent is typed out; 15 significant digits at most, as results are written.
        {"", "1.5E+20", EnUs(), "150000000000000000000.", ""}, {"", "1.5e-5", EnUs(), ".000015", ""},
        {"", "0.12345678901234567", EnUs(), ".123456789012346", ""},
        // Not a number: empty, a word, two cells, the other region's comma, beyond doubles.
        {"", "", EnUs(), "beep", ""},   {"", "ERROR", EnUs(), "beep", ""}, {"", "12\t13", EnUs(), "beep", ""},
        {"", "1,5", EnUs(), "beep", ""}, {"", "1e999", EnUs(), "beep", ""}};
    // clang-format on
    for (const auto& [typed, text, format, display, after] : rows) {
        CalculatorState state;
        const auto press = [&](const char* sequence) {
            std::istringstream in(sequence);
            for (std::string caption; in >> caption;)
                PressCalculatorKey(state, caption);
        };
        press(typed);
        const auto keys = CalculatorPasteKeys(text, format);
        for (const std::int16_t key : keys.value_or(std::vector<std::int16_t> {}))
            PressCalculatorKey(state, CalculatorKeyCaption(key));
        press(after);
        EXPECT_EQ(keys ? CalculatorDisplay(state) : "beep", display) << typed << "|" << text;
    }
}

} // namespace
} // namespace vexmoor
