// The window's key preview: Ctrl+Tab through the pages and sub-pages, and the keys that work
// the calculator while its page is shown.
//
// One physical key acts once: when the key-down presses a calculator key (or cycles the pages),
// the key-press is not run for the same key and the key is swallowed. Otherwise a focused pad key
// would also take Enter or Space as a click of its own, and the keypad's operators and point
// would be pressed by their code and again by their character.
#include "calculator/ui/calculator_page.h"
#include "common/core/key_codes.h"
#include "errors/ui/guard.h"
#include "pages/page.h"
#include "platform/widgets/platform_keys.h"
#include "platform/widgets/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"

#include <QKeyEvent>

namespace vexmoor {

namespace {

// From the last tab to the first, else to the next one (or back, from the first to the last);
// selecting runs the strip's page switch.
void CycleTabs(platform::TabStrip& strip, bool back = false)
{
    const int selected = strip.Selected();
    if (back)
        strip.Select(selected == 1 ? strip.Count() : selected - 1);
    else
        strip.Select(selected == strip.Count() ? 1 : selected + 1);
}

} // namespace

bool frmVexmoor::PreviewKey(QKeyEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // Copy and paste work the display and never reach the key maps below.
    if (calculatorPageActive && Calculator().ClipboardKey(*event))
        return true;
    const int keyCode = platform::PlatformKeyCode(*event);
    if (keyCode != 0 && Form_KeyDown(keyCode, platform::ShiftBits(*event)))
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

bool frmVexmoor::Form_KeyDown(int keyCode, int shift)
{
    bool acted = false;
    Guarded("KeyDown", GuardVariant::Plain, [&] {
        const bool ctrlTab = keyCode == keycode::kTab && shift == kCtrlMask;
        // Ctrl+Shift+Tab goes back exactly where Ctrl+Tab goes forward: the shown page's
        // sub-pages back first, then the main page.
        if (keyCode == keycode::kTab && shift == (kCtrlMask | kShiftMask)) {
            acted = true;
            if (platform::TabStrip* subPages = m_pages[tabOptions->Selected() - 1]->SubPages())
                CycleTabs(*subPages, true);
            CycleTabs(*tabOptions, true);
            return;
        }
        if (ctrlTab) {
            acted = true;
            // The main page switch runs inside Select, so the page flags below are the new ones.
            CycleTabs(*tabOptions);
        }
        if (calculatorPageActive) {
            if (Calculator().PressKeyForCode(keyCode, shift))
                acted = true;
        } else if (ctrlTab) {
            if (platform::TabStrip* subPages = m_pages[tabOptions->Selected() - 1]->SubPages())
                CycleTabs(*subPages);
        }
    });
    return acted;
}

bool frmVexmoor::Form_KeyPress(int charCode)
{
    bool acted = false;
    Guarded("KeyPress", GuardVariant::Plain, [&] {
        if (calculatorPageActive)
            acted = Calculator().PressKeyForCharacter(charCode);
    });
    return acted;
}

} // namespace vexmoor
