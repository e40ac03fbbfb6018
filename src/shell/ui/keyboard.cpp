// The window's key preview: Ctrl+Tab through the pages and sub-pages, and the keys that work
// the calculator while its page is shown.
//
// Qt reports the symbol a key produced (Shift+8 on a US keyboard arrives as Key_Asterisk), and
// the window's handlers speak in platform key codes and characters, so the preview translates:
// digits of the main row 48-57, of the keypad 96-105, the keypad's operators and point 106-111,
// and the editing keys. One physical key acts once: when the key-down presses a calculator key
// (or cycles the pages), the key-press is not run for the same key and the key is swallowed.
// Otherwise a focused pad key would also take Enter or Space as a click of its own, and the
// keypad's operators and point would be pressed by their code and again by their character.
#include "shell/ui/frm_vexmoor.h"

#include "calculator/core/calculator_keys.h"
#include "errors/ui/guard.h"
#include "platform/widgets/tab_strip.h"

#include <QKeyEvent>
#include <QPushButton>
#include <span>
#include <utility>

namespace vexmoor {

namespace {

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

// The platform key code for a Qt key event, or 0 for a key that the window does not act on.
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

// From the last tab to the first, else to the next one; selecting runs the strip's page switch.
void CycleTabs(platform::TabStrip& strip)
{
    const int selected = strip.Selected();
    strip.Select(selected == strip.Count() ? 1 : selected + 1);
}

} // namespace

bool frmVexmoor::PreviewKey(QKeyEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // Copy and paste work the display and never reach the key maps below.
    if (calculatorPageActive && CalculatorClipboardKey(event))
        return true;
    const int keyCode = PlatformKeyCode(*event);
    if (keyCode != 0 && Form_KeyDown(keyCode, ShiftBits(*event)))
        return true;
    // With Ctrl or Alt held a key is a command or an access key, not a typed character: Alt+R is
    // the loan page's "Calculate &Repayment", never the calculator's 1/x.
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0)
        return false;
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    return Form_KeyPress(static_cast<int>(text.at(0).unicode()));
}

bool frmVexmoor::PressPadKey(int index)
{
    if (index < 0)
        return false;
    const auto keyIndex = static_cast<std::int16_t>(index);
    cmdCalc[keyIndex]->setFocus(Qt::OtherFocusReason);
    cmdCalc_Click(keyIndex);
    return true;
}

bool frmVexmoor::Form_KeyDown(int keyCode, int shift)
{
    bool acted = false;
    Guarded("KeyDown", GuardVariant::Plain, [&] {
        const bool ctrlTab = keyCode == keycode::kTab && shift == kCtrlMask;
        if (ctrlTab) {
            acted = true;
            // The main page switch runs inside Select, so the page flags below are the new ones.
            CycleTabs(*tabOptions);
        }
        if (calculatorPageActive) {
            if (PressPadKey(CalculatorKeyForKeyCode(keyCode, shift)))
                acted = true;
        } else if (breakEvenPageActive && ctrlTab) {
            CycleTabs(*tabOptions1);
        } else if (loanPageActive && ctrlTab) {
            CycleTabs(*tabOptions2);
        }
    });
    return acted;
}

bool frmVexmoor::Form_KeyPress(int charCode)
{
    bool acted = false;
    Guarded("KeyPress", GuardVariant::Plain, [&] {
        if (calculatorPageActive)
            acted = PressPadKey(CalculatorKeyForCharacter(charCode));
    });
    return acted;
}

} // namespace vexmoor
