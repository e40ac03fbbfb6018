// The calculator's key handling. Every key first works out everything that can fail (reading
// the entry, the arithmetic, the result text) and only then changes the state, so a key that
// overflows leaves the calculator exactly as it was.
#include "calculator/core/calculator_engine.h"

#include "calculator/core/calculator_numbers.h"
#include "errors/core/failure.h"

#include <cmath>

namespace vexmoor {

namespace {

enum class Key {
    Digit,
    Point,
    Operator,
    Percent,
    Equals,
    Negate,
    Backspace,
    ClearEntry,
    Clear,
    Reciprocal,
    SquareRoot,
    Unknown,
};

Key Classify(std::string_view caption)
{
    if (caption.size() == 1) {
        const char c = caption[0];
        if (c >= '0' && c <= '9')
            return Key::Digit;
        switch (c) {
        case '.':
            return Key::Point;
        case '+':
        case '-':
        case '*':
        case '/':
            return Key::Operator;
        case '%':
            return Key::Percent;
        case '=':
            return Key::Equals;
        case 'C':
            return Key::Clear;
        default:
            return Key::Unknown;
        }
    }
    if (caption == "+/-")
        return Key::Negate;
    if (caption == "Backspace")
        return Key::Backspace;
    if (caption == "CE")
        return Key::ClearEntry;
    if (caption == "1/x")
        return Key::Reciprocal;
    if (caption == "sqrt")
        return Key::SquareRoot;
    return Key::Unknown;
}

// A digit or point after an operator or "=" starts a new entry.
void StartNewEntryIfDue(CalculatorState& state)
{
    if (state.NewEntryAfterOperator) {
        state.Entry.clear();
        state.NewEntryAfterOperator = false;
    }
    if (state.NewEntryAfterEquals) {
        state.Entry.clear();
        state.NewEntryAfterEquals = false;
    }
}

// Backspace through a result's exponent goes from "1.5E-05" to "1.5E-0" and then straight to
// "1.5": an "E" or "E-" left dangling would show a text that is no number.
void DropIncompleteExponent(std::string& entry)
{
    if (entry.size() >= 2 && (entry.back() == '+' || entry.back() == '-') &&
        entry[entry.size() - 2] == 'E')
        entry.pop_back();
    if (!entry.empty() && entry.back() == 'E')
        entry.pop_back();
}

void PressEquals(CalculatorState& state, std::string_view entry, bool wipeError)
{
    const double operand = state.OperandFromEntry ? EntryValue(entry) : state.Operand;
    double accumulator = state.Accumulator;
    bool divisionByZero = false;
    const std::string_view op = state.PendingOperator;
    if (op == "+") {
        accumulator = operand + accumulator;
    } else if (op == "-") {
        accumulator = accumulator - operand;
    } else if (op == "*") {
        accumulator = operand * accumulator;
    } else if (op == "/") {
        if (operand == 0)
            divisionByZero = true;
        else
            accumulator = accumulator / operand;
    } else {
        accumulator = EntryValue(entry);
    }
    std::string text = divisionByZero ? std::string(kCalculatorError) : ResultText(accumulator);

    if (wipeError)
        state.Entry.clear();
    if (state.OperandFromEntry) {
        state.Operand = operand;
        state.OperandFromEntry = false;
    }
    state.Accumulator = accumulator;
    state.Entry = std::move(text);
    state.NewEntryAfterEquals = true;
}

void PressBackspace(CalculatorState& state, std::string_view entry, bool wipeError)
{
    // An entry too large to read is not 0, so it can still be shortened; the accumulator follows
    // once the entry is back within range.
    const std::optional<double> value = TryEntryValue(entry);
    if (wipeError)
        state.Entry.clear();
    if (value && *value == 0)
        return;
    state.Entry.pop_back();
    DropIncompleteExponent(state.Entry);
    if (const std::optional<double> shortened = TryEntryValue(state.Entry))
        state.Accumulator = *shortened;
}

// 1/x and sqrt: the result replaces the entry and the accumulator; the reciprocal of 0 and the
// root of a negative are an error entry.
void PressFunction(CalculatorState& state, std::string_view entry, Key key)
{
    const double value = EntryValue(entry);
    const bool reciprocal = key == Key::Reciprocal;
    if (reciprocal ? value == 0 : value < 0) {
        state.Entry = kCalculatorError;
        return;
    }
    const double result = reciprocal ? CheckedResult(1 / value) : std::sqrt(value);
    std::string text = ResultText(result);
    state.Accumulator = result;
    state.Entry = std::move(text);
}

} // namespace

CalculatorKeyResult PressCalculatorKey(CalculatorState& state, std::string_view caption)
{
    // An error entry is wiped by whatever key comes next, before that key acts; until the key
    // has passed every check that can fail it is only treated as empty.
    const bool wipeError = state.Entry == kCalculatorError;
    const std::string_view entry = wipeError ? std::string_view {} : std::string_view(state.Entry);
    const auto wipe = [&] {
        if (wipeError)
            state.Entry.clear();
    };

    CalculatorKeyResult result;
    switch (Classify(caption)) {
    case Key::Digit:
        wipe();
        StartNewEntryIfDue(state);
        state.Entry += caption;
        break;
    case Key::Point:
        wipe();
        StartNewEntryIfDue(state);
        // A result in exponent form takes no decimals either: "1E+20" followed by ".5" would
        // show a number that the entry does not hold.
        if (state.Entry.find_first_of(".E") != std::string::npos)
            result.beep = true;
        else
            state.Entry += '.';
        break;
    case Key::Operator: {
        const double value = EntryValue(entry);
        wipe();
        state.Accumulator = value;
        state.PendingOperator = caption;
        state.NewEntryAfterOperator = true;
        state.OperandFromEntry = true;
        break;
    }
    case Key::Percent: {
        const double operand = CheckedResult(EntryValue(entry) / 100 * state.Accumulator);
        std::string text = ResultText(operand);
        wipe();
        state.Operand = operand;
        state.Entry = std::move(text);
        break;
    }
    case Key::Equals:
        PressEquals(state, entry, wipeError);
        break;
    case Key::Negate:
        wipe();
        if (state.Entry.empty())
            break;
        if (state.Entry.front() == '-')
            state.Entry.erase(0, 1);
        else
            state.Entry.insert(0, 1, '-');
        break;
    case Key::Backspace:
        PressBackspace(state, entry, wipeError);
        break;
    case Key::ClearEntry:
        state.Entry.clear();
        break;
    case Key::Clear:
        // The pending operator and the flags survive: 5 + C 3 = gives 3.
        state.Entry.clear();
        state.Accumulator = 0;
        state.Operand = 0;
        break;
    case Key::Reciprocal:
    case Key::SquareRoot:
        PressFunction(state, entry, Classify(caption));
        break;
    case Key::Unknown:
        wipe();
        break;
    }
    result.display = CalculatorDisplay(state);
    return result;
}

std::string CalculatorDisplay(const CalculatorState& state)
{
    if (state.Entry.empty())
        return std::string(kCalculatorStartDisplay);
    std::string display = state.Entry;
    if (display.find('.') == std::string::npos)
        display += '.';
    if (display.front() == '0')
        display.erase(0, 1);
    if (display == ".")
        return std::string(kCalculatorStartDisplay);
    // A lone minus sign (+/- on an empty-valued entry, or Backspace down to the sign) would
    // show as "-." and look like no number at all.
    if (display == "-.")
        return "-0.";
    return display;
}

} // namespace vexmoor
