// Fuzz target for the calculator engine: every byte presses one key, and each press keeps the
// properties the core tests check on random sequences (test::PressFault).
//
// A byte that is a key's own character presses it ("7", ".", "+", "=", "%"); "r" is 1/x, "s"
// sqrt, "n" +/-, "b" Backspace, "e" CE, "c" C and "?" an unknown caption; any other byte picks a
// key by its value.
#include "fuzz_support.h"

#include "calculator/core/calculator_keys.h"

#include <string>

using namespace vexmoor;
using namespace vexmoor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view named = "rsnbec?";
    const std::string_view captions[] = {"1/x", "sqrt", "+/-", "Backspace", "CE", "C", "?"};
    CalculatorState state;
    int overflows = 0;
    for (std::size_t k = 0; k < size; ++k) {
        const char byte = static_cast<char>(data[k]);
        std::string_view caption =
            kCalculatorPad[static_cast<std::uint8_t>(byte) % kCalculatorPad.size()].caption;
        for (const CalculatorPadKey& key : kCalculatorPad)
            if (key.caption == std::string_view(&byte, 1))
                caption = key.caption;
        if (named.find(byte) != std::string_view::npos)
            caption = captions[named.find(byte)];
        const std::string fault = test::PressFault(state, caption, overflows);
        Require(fault.empty(), fault, caption);
    }
    return 0;
}
