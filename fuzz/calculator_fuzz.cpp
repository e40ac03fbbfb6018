// Fuzz target for the calculator engine: every byte presses one key.
//
// A byte that is a key's own character presses it ("7", ".", "+", "=", "%"); "r" is 1/x, "s"
// sqrt, "n" +/-, "b" Backspace, "e" CE, "c" C and "?" an unknown caption; any other byte picks a
// key by its value. A key that fails must leave the state as it was, and every display must be
// a number text, "0." or "ERROR.".
#include "fuzz_support.h"

#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

std::string_view CaptionFor(char byte)
{
    switch (byte) {
    case 'r':
        return "1/x";
    case 's':
        return "sqrt";
    case 'n':
        return "+/-";
    case 'b':
        return "Backspace";
    case 'e':
        return "CE";
    case 'c':
        return "C";
    case '?':
        return "?";
    default:
        break;
    }
    for (const CalculatorPadKey& key : kCalculatorPad) {
        if (key.caption.size() == 1 && key.caption[0] == byte)
            return key.caption;
    }
    return kCalculatorPad[static_cast<std::uint8_t>(byte) % kCalculatorPad.size()].caption;
}

// "-"? digits with at most one point, then an optional exponent (E, a sign, digits) that may
// carry the display's point after it ("1E+20."); one point in all and at least one digit.
bool IsNumberDisplay(std::string_view display)
{
    std::size_t i = display.starts_with('-') ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (; i < display.size() && display[i] != 'E'; ++i) {
        if (display[i] == '.')
            ++points;
        else if (display[i] >= '0' && display[i] <= '9')
            ++digits;
        else
            return false;
    }
    if (i < display.size()) {
        if (i + 2 >= display.size() || (display[i + 1] != '+' && display[i + 1] != '-'))
            return false;
        std::string_view exponent = display.substr(i + 2);
        if (exponent.ends_with('.')) {
            exponent.remove_suffix(1);
            ++points;
        }
        if (exponent.empty() || exponent.find_first_not_of("0123456789") != std::string::npos)
            return false;
    }
    return digits > 0 && points == 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CalculatorState state;
    for (std::size_t k = 0; k < size; ++k) {
        const std::string_view caption = CaptionFor(static_cast<char>(data[k]));
        const CalculatorState before = state;
        CalculatorKeyResult result;
        const int failure = RequireFailureIn(
            {ErrorNumber::Overflow}, "a key fails only by an overflow",
            [&] { result = PressCalculatorKey(state, caption); }, caption);
        const std::string display = CalculatorDisplay(state);
        if (failure != 0) {
            Require(state == before, "a failing key leaves the state unchanged", caption);
        } else {
            Require(result.display == display, "a key shows the display of its state", display);
            Require(!result.beep || caption == ".", "only a point is refused with a beep", caption);
        }
        Require(display == kCalculatorStartDisplay ||
                    display == std::string(kCalculatorError) + "." || IsNumberDisplay(display),
                "every display is a number text, \"0.\" or \"ERROR.\"", display);
    }
    return 0;
}
