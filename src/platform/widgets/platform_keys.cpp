// Qt's key events in the platform's key codes and shift bits.
#include "platform/widgets/platform_keys.h"

#include "common/core/key_codes.h"

#include <QKeyEvent>
#include <span>
#include <utility>

namespace vexmoor::platform {

namespace {

// Platform key codes by Qt key: the keypad's operators and point, and the editing keys. The
// keypad's point is a comma on some layouts (German, for one); it is still the calculator's point.
constexpr std::pair<int, int> kKeypadKeys[] = {
    {Qt::Key_Asterisk, keycode::kKeypadMultiply}, {Qt::Key_Plus, keycode::kKeypadAdd},
    {Qt::Key_Minus, keycode::kKeypadSubtract},    {Qt::Key_Period, keycode::kKeypadDecimal},
    {Qt::Key_Comma, keycode::kKeypadDecimal},     {Qt::Key_Slash, keycode::kKeypadDivide},
};
constexpr std::pair<int, int> kEditingKeys[] = {
    {Qt::Key_Backspace, keycode::kBackspace}, {Qt::Key_Tab, keycode::kTab},
    {Qt::Key_Backtab, keycode::kTab},         {Qt::Key_Return, keycode::kEnter},
    {Qt::Key_Enter, keycode::kEnter},         {Qt::Key_Escape, keycode::kEscape},
    {Qt::Key_Delete, keycode::kDelete},
};

int CodeIn(std::span<const std::pair<int, int>> keys, int key)
{
    for (const auto& [qtKey, code] : keys) {
        if (qtKey == key)
            return code;
    }
    return 0;
}

} // namespace

int PlatformKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? keycode::kKeypad0 : keycode::kDigit0) + (key - Qt::Key_0);
    if (const int code = keypad ? CodeIn(kKeypadKeys, key) : 0)
        return code;
    return CodeIn(kEditingKeys, key);
}

int ShiftBits(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    int shift = 0;
    // Qt reports Shift+Tab as Backtab, sometimes without the Shift modifier.
    if ((modifiers & Qt::ShiftModifier) != 0 || event.key() == Qt::Key_Backtab)
        shift |= kShiftMask;
    if ((modifiers & Qt::ControlModifier) != 0)
        shift |= kCtrlMask;
    if ((modifiers & Qt::AltModifier) != 0)
        shift |= kAltMask;
    return shift;
}

} // namespace vexmoor::platform
