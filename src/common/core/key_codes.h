// Platform key codes and the shift bits of a key-down: the window's key preview speaks them, and
// the calculator's keyboard map reads them.
#pragma once

namespace vexmoor {

namespace keycode {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kDelete = 46;
inline constexpr int kDigit0 = 48; // main row, 48 to 57
inline constexpr int kKeypad0 = 96; // keypad digits, 96 to 105
inline constexpr int kKeypadMultiply = 106;
inline constexpr int kKeypadAdd = 107;
inline constexpr int kKeypadSubtract = 109;
inline constexpr int kKeypadDecimal = 110;
inline constexpr int kKeypadDivide = 111;
} // namespace keycode
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

} // namespace vexmoor
