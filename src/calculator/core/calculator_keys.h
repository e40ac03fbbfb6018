// The calculator's key pad as data, and the keyboard maps that press its keys: platform key
// codes (the window's key-down) and typed characters (the window's key-press).
#pragma once

#include "common/core/key_codes.h"
#include "common/core/translatable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vexmoor {

struct CalculatorPadKey
{
    std::int16_t index;
    std::string_view caption;
    // What a screen reader says of the key besides its caption; digits need nothing.
    std::string_view description = {};
};

// The 23 keys of the pad; indexes 18 to 22 do not exist.
// clang-format off
inline constexpr std::array<CalculatorPadKey, 23> kCalculatorPad {{
    {0,  "Backspace", VEXMOOR_TR_NOOP("Calculator", "backspace")},
    {1,  "CE",        VEXMOOR_TR_NOOP("Calculator", "clear entry")},
    {2,  "C",         VEXMOOR_TR_NOOP("Calculator", "clear")},
    {3,  "7"},
    {4,  "8"},
    {5,  "9"},
    {6,  "/",         VEXMOOR_TR_NOOP("Calculator", "divide")},
    {7,  "sqrt",      VEXMOOR_TR_NOOP("Calculator", "square root")},
    {8,  "4"},
    {9,  "5"},
    {10, "6"},
    {11, "*",         VEXMOOR_TR_NOOP("Calculator", "multiply")},
    {12, "%",         VEXMOOR_TR_NOOP("Calculator", "percent")},
    {13, "1"},
    {14, "2"},
    {15, "3"},
    {16, "-",         VEXMOOR_TR_NOOP("Calculator", "subtract")},
    {17, "1/x",       VEXMOOR_TR_NOOP("Calculator", "reciprocal")},
    {23, "=",         VEXMOOR_TR_NOOP("Calculator", "equals")},
    {24, "+",         VEXMOOR_TR_NOOP("Calculator", "add")},
    {25, ".",         VEXMOOR_TR_NOOP("Calculator", "decimal point")},
    {26, "+/-",       VEXMOOR_TR_NOOP("Calculator", "change sign")},
    {27, "0"},
}};
// clang-format on

// The caption of the pad key with this index; empty when there is no such key.
std::string_view CalculatorKeyCaption(int index);

// The pad index a key-down presses, or -1. A main-row digit held with Shift presses nothing:
// on many layouts it types a symbol ("*" with Shift+8), and the typed character presses its
// own key, so the digit must not go in first.
int CalculatorKeyForKeyCode(int keyCode, int shift);

// The pad index a typed character presses, or -1. Digits are mapped too: a digit typed with
// Shift (layouts such as French AZERTY put the digits there) is passed over by the key code and
// then presses its key as a character. The window lets one physical key act only once, by key
// code or else by character, so nothing is pressed twice.
int CalculatorKeyForCharacter(int charCode);

} // namespace vexmoor
