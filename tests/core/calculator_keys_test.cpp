// The keyboard maps: which key press presses which pad key.
#include "calculator/core/calculator_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace vexmoor {
namespace {

struct KeyCodeRow
{
    const char* name;
    int keyCode;
    int shift;
    const char* caption; // nullptr: the key presses nothing
};

// clang-format off
const KeyCodeRow kKeyCodes[] = {
    {"MainRowDigit", 55, 0, "7"}, {"MainRowZero", 48, 0, "0"}, {"KeypadNine", 105, 0, "9"},
    {"KeypadZero", 96, 0, "0"},
    // Shift+digit types a symbol on most layouts; the character acts, not the digit.
    {"ShiftMainRowDigit", 56, kShiftMask, nullptr},
    {"ShiftCtrlMainRowDigit", 53, kShiftMask | kCtrlMask, nullptr},
    {"CtrlMainRowDigit", 53, kCtrlMask, "5"},
    // The keypad types digits whatever Shift says.
    {"ShiftKeypadDigit", 104, kShiftMask, "8"},
    {"Backspace", 8, 0, "Backspace"}, {"Delete", 46, 0, "CE"}, {"Escape", 27, 0, "C"},
    {"Enter", 13, 0, "="}, {"KeypadPoint", 110, 0, "."}, {"KeypadDivide", 111, 0, "/"},
    {"Tab", 9, 0, nullptr}, {"Space", 32, 0, nullptr}, {"LetterS", 83, 0, nullptr},
    {"KeypadSeparator", 108, 0, nullptr},
};

struct CharacterRow
{
    const char* name;
    int character;
    const char* caption;
};

const CharacterRow kCharacters[] = {
    {"UpperS", 'S', "sqrt"}, {"LowerP", 'p', "%"}, {"UpperR", 'R', "1/x"}, {"LowerX", 'x', "1/x"},
    {"Equals", '=', "="}, {"Star", '*', "*"}, {"Percent", '%', "%"}, {"Point", '.', "."},
    // Digits, for layouts that type them with Shift; other characters do nothing.
    {"Digit", '5', "5"}, {"DigitZero", '0', "0"}, {"Comma", ',', nullptr},
    {"LetterC", 'c', nullptr},
    {"Return", '\r', nullptr}, {"Space", ' ', nullptr}, {"NonAscii", 0x00B7, nullptr},
};
// clang-format on

std::string CaptionOrNone(int index)
{
    if (index < 0)
        return "(none)";
    const std::string_view caption = CalculatorKeyCaption(index);
    return caption.empty() ? "(missing key)" : std::string(caption);
}

TEST(CalculatorKeys, KeyCodes)
{
    for (const KeyCodeRow& row : kKeyCodes) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CaptionOrNone(CalculatorKeyForKeyCode(row.keyCode, row.shift)),
                  row.caption ? row.caption : "(none)");
    }
}

TEST(CalculatorKeys, Characters)
{
    for (const CharacterRow& row : kCharacters) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CaptionOrNone(CalculatorKeyForCharacter(row.character)),
                  row.caption ? row.caption : "(none)");
    }
}

TEST(CalculatorKeys, PadHasNoKeysEighteenToTwentyTwo)
{
    for (int index = 18; index <= 22; ++index)
        EXPECT_TRUE(CalculatorKeyCaption(index).empty()) << index;
    EXPECT_TRUE(CalculatorKeyCaption(28).empty());
    EXPECT_TRUE(CalculatorKeyCaption(-1).empty());
}

} // namespace
} // namespace vexmoor
