// The calculator key pad: every key, clicked or pressed from the keyboard, runs cmdCalc_Click
// with its index; the engine does the work and the display shows its text.
#include "shell/ui/frm_vexmoor.h"

#include "calculator/core/calculator_engine.h"
#include "calculator/core/calculator_keys.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "platform/services/services.h"
#include "platform/text.h"

#include <QLabel>
#include <QPushButton>

namespace vexmoor {

void frmVexmoor::ConnectCalculator()
{
    for (const CalculatorPadKey& key : kCalculatorPad) {
        if (QPushButton* button = cmdCalc[key.index])
            button->setAccessibleDescription(platform::ToQString(key.description));
    }
    for (const auto& [index, button] : cmdCalc) {
        const std::int16_t keyIndex = index;
        connect(button, &QPushButton::clicked, this, [this, keyIndex] { cmdCalc_Click(keyIndex); });
    }
    ConnectCalculatorClipboard();
}

void frmVexmoor::cmdCalc_Click(std::int16_t index)
{
    Guarded("cmdCalcClick", GuardVariant::Plain, [&] {
        QPushButton* key = cmdCalc[index];
        if (key == nullptr)
            throw Failure(ErrorNumber::InvalidProcedureCall);
        // The key is known by its caption, as the engine's keys are.
        const QByteArray caption = key->text().toUtf8();
        // An overflow throws here, before the display is touched: it keeps its last text.
        const CalculatorKeyResult result = PressCalculatorKey(
            calculator,
            std::string_view(caption.constData(), static_cast<std::size_t>(caption.size())));
        if (result.beep)
            platform::CurrentServices().Beep();
        lblDisplay->setText(platform::ToQString(result.display));
    });
}

} // namespace vexmoor
