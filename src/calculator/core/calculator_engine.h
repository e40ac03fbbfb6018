// The pocket calculator's engine: key captions in, display text out.
//
// The state lives as long as the window. Each key acts on it as a pocket calculator of the
// simplest kind does: operators do not evaluate what is pending, they only take the entry as
// the first operand; "=" evaluates, and pressed again repeats the last operation with the same
// second operand.
#pragma once

#include "common/core/translatable.h"

#include <string>
#include <string_view>

namespace vexmoor {

struct CalculatorState
{
    std::string Entry;
    double Accumulator = 0;
    double Operand = 0;
    std::string PendingOperator;
    bool NewEntryAfterOperator = false;
    bool OperandFromEntry = false;
    bool NewEntryAfterEquals = false;

    bool operator==(const CalculatorState&) const = default;
};

// The entry text of a division by zero, a reciprocal of 0 or a square root of a negative.
inline constexpr std::string_view kCalculatorError = VEXMOOR_TR_NOOP("Calculator", "ERROR");
// The display of an empty entry, and at start.
inline constexpr std::string_view kCalculatorStartDisplay = "0.";

struct CalculatorKeyResult
{
    std::string display; // the display text after the key
    bool beep = false; // the key was refused (a second point): sound the beep
};

// Presses the key with this caption ("7", ".", "+", "=", "sqrt", "1/x", "+/-", "%",
// "Backspace", "CE", "C"). A result beyond the double range, or an entry too large to read,
// throws Failure(Overflow) before the state changes, so the display keeps its text.
// An unknown caption only wipes an error entry, as every key does.
CalculatorKeyResult PressCalculatorKey(CalculatorState& state, std::string_view caption);

// The display text for a state: the entry with a point ("12."), one leading zero dropped
// (".5", "5." for 05), "0." for an empty entry and "-0." for a lone minus sign.
std::string CalculatorDisplay(const CalculatorState& state);

} // namespace vexmoor
