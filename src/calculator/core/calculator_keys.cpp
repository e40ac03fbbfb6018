// Lookups in the key pad and the two keyboard maps.
#include "calculator/core/calculator_keys.h"

namespace vexmoor {

namespace {

// Pad indexes of the digits 0 to 9.
constexpr std::array<int, 10> kDigitKeys {27, 13, 14, 15, 8, 9, 10, 3, 4, 5};

} // namespace

std::string_view CalculatorKeyCaption(int index)
{
    for (const CalculatorPadKey& key : kCalculatorPad) {
        if (key.index == index)
            return key.caption;
    }
    return {};
}

int CalculatorKeyForKeyCode(int keyCode, int shift)
{
    using namespace keycode;
    if (keyCode >= kDigit0 && keyCode <= kDigit0 + 9)
        return (shift & kShiftMask) != 0 ? -1
                                         : kDigitKeys[static_cast<std::size_t>(keyCode - kDigit0)];
    if (keyCode >= kKeypad0 && keyCode <= kKeypad0 + 9)
        return kDigitKeys[static_cast<std::size_t>(keyCode - kKeypad0)];
    switch (keyCode) {
    case kBackspace:
        return 0;
    case kDelete:
        return 1;
    case kEscape:
        return 2;
    case kEnter:
        return 23;
    case kKeypadDecimal:
        return 25;
    case kKeypadAdd:
        return 24;
    case kKeypadSubtract:
        return 16;
    case kKeypadMultiply:
        return 11;
    case kKeypadDivide:
        return 6;
    default:
        return -1;
    }
}

int CalculatorKeyForCharacter(int charCode)
{
    if (charCode >= '0' && charCode <= '9')
        return kDigitKeys[static_cast<std::size_t>(charCode - '0')];
    switch (charCode) {
    case 'S':
    case 's':
        return 7;
    case 'P':
    case 'p':
    case '%':
        return 12;
    case 'R':
    case 'r':
    case 'X':
    case 'x':
        return 17;
    case '=':
        return 23;
    case '/':
        return 6;
    case '*':
        return 11;
    case '.':
        return 25;
    case '-':
        return 16;
    case '+':
        return 24;
    default:
        return -1;
    }
}

} // namespace vexmoor
