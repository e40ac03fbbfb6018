// The calculator key pad: every key, clicked or pressed from the keyboard, runs cmdCalc_Click
// with its index; the engine does the work and the display shows its text.
#include "calculator/ui/calculator_page.h"

#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"
#include "errors/core/failure.h"
#include "platform/text.h"
#include "platform/widgets/control_set.h"

#include <QLabel>
#include <QPushButton>

namespace vexmoor {

namespace {

// The display as the engine writes it, its "ERROR." in the user's language.
QString DisplayText(std::string_view display)
{
    if (!display.starts_with(kCalculatorError))
        return platform::ToQString(display);
    return platform::Translated("Calculator", kCalculatorError) +
        platform::ToQString(display.substr(kCalculatorError.size()));
}

} // namespace

CalculatorPage::CalculatorPage(const PageContext& context, QObject* parent)
    : Page(context, parent)
{ }

void CalculatorPage::Make(platform::ControlSet& controls)
{
    controls.Take(QStringLiteral("lblDisplay"), lblDisplay);
    controls.Take(QStringLiteral("cmdCalc"), cmdCalc);
    for (const CalculatorPadKey& key : kCalculatorPad) {
        if (QPushButton* button = cmdCalc[key.index])
            button->setAccessibleDescription(platform::Translated("Calculator", key.description));
    }
    for (const auto& [index, button] : cmdCalc) {
        const std::int16_t keyIndex = index;
        connect(button, &QPushButton::clicked, this, [this, keyIndex] { cmdCalc_Click(keyIndex); });
    }
    MakeDisplayMenu();
}

void CalculatorPage::cmdCalc_Click(std::int16_t index)
{
    m_context.Guard("cmdCalcClick", GuardVariant::Plain, [&] {
        QPushButton* key = cmdCalc[index];
        if (key == nullptr)
            throw Failure(ErrorNumber::InvalidProcedureCall);
        // The engine knows a key by its English caption; the button may show a translation.
        // An overflow throws here, before the display is touched: it keeps its last text.
        const CalculatorKeyResult result =
            PressCalculatorKey(m_calculator, CalculatorKeyCaption(index));
        if (result.beep)
            m_context.Services().Beep();
        lblDisplay->setText(DisplayText(result.display));
    });
}

bool CalculatorPage::PressKeyForCode(int keyCode, int shift)
{
    return PressPadKey(CalculatorKeyForKeyCode(keyCode, shift));
}

bool CalculatorPage::PressKeyForCharacter(int charCode)
{
    return PressPadKey(CalculatorKeyForCharacter(charCode));
}

bool CalculatorPage::PressPadKey(int index)
{
    if (index < 0)
        return false;
    const auto keyIndex = static_cast<std::int16_t>(index);
    cmdCalc[keyIndex]->setFocus(Qt::OtherFocusReason);
    cmdCalc_Click(keyIndex);
    return true;
}

} // namespace vexmoor
