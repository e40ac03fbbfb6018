// The Calculator page: the key pad, the display and the calculator's state. Every key, clicked
// or pressed from the keyboard, runs cmdCalc_Click with its index; the engine does the work and
// the display shows its text. The display's number goes onto the clipboard and comes back from it.
#pragma once

#include "calculator/core/calculator_engine.h"
#include "pages/page.h"
#include "platform/widgets/control_array.h"

#include <cstdint>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace vexmoor {

namespace platform {
class ContextMenu;
}

class CalculatorPage final : public Page
{
public:
    CalculatorPage(const PageContext& context, QObject* parent);

    void Make(platform::ControlSet& controls) override;
    void Load() override { }
    void Show() override { }

    // The window's key preview, while the page is shown: a platform key code with its shift bits,
    // or a typed character, presses its key (and gives it the focus); true when a key was pressed.
    bool PressKeyForCode(int keyCode, int shift);
    bool PressKeyForCharacter(int charCode);
    // A copy or paste key works the display and returns true.
    bool ClipboardKey(const QKeyEvent& event);

    void cmdCalc_Click(std::int16_t index);
    void lblDisplay_Copy();
    void lblDisplay_Paste();

    const CalculatorState& State() const { return m_calculator; }
    // For tests that start the engine from a given state.
    void SetState(const CalculatorState& state) { m_calculator = state; }

private:
    // Gives the key at `index` the focus and presses it; false for no key (-1).
    bool PressPadKey(int index);
    void MakeDisplayMenu();

    QLabel* lblDisplay = nullptr;
    platform::ControlArray<QPushButton> cmdCalc;
    platform::ContextMenu* m_displayMenu = nullptr;
    CalculatorState m_calculator;
};

} // namespace vexmoor
