// The calculator's display on the clipboard: Ctrl+C or Ctrl+Insert copies the number it shows,
// Ctrl+V or Shift+Insert pastes a number by pressing its keys in turn, and the display's context
// menu offers both. The window's key preview hands these keys here before its key maps see them,
// so a copy or paste never presses a calculator key by accident.
#include "calculator/core/calculator_clipboard.h"
#include "calculator/ui/calculator_page.h"
#include "platform/text.h"
#include "platform/widgets/context_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace vexmoor {

void CalculatorPage::MakeDisplayMenu()
{
    m_displayMenu = new platform::ContextMenu(
        lblDisplay, QStringLiteral("lblDisplayMenu"),
        [this](QMenu& menu) {
            using platform::WithShortcutText;
            menu.addAction(WithShortcutText(QCoreApplication::translate("Calculator", "&Copy"),
                                            QKeySequence::Copy),
                           this, [this] { lblDisplay_Copy(); })
                ->setObjectName(QStringLiteral("copy"));
            menu.addAction(WithShortcutText(QCoreApplication::translate("Calculator", "&Paste"),
                                            QKeySequence::Paste),
                           this, [this] { lblDisplay_Paste(); });
        },
        [this](QMenu& menu) {
            const bool number =
                CalculatorCopyText(platform::ToStd(lblDisplay->text()), m_context.regionalFormat)
                    .has_value();
            menu.findChild<QAction*>(QStringLiteral("copy"))->setEnabled(number);
        });
}

bool CalculatorPage::ClipboardKey(const QKeyEvent& event)
{
    if (platform::IsCopyKey(event)) {
        lblDisplay_Copy();
        return true;
    }
    if (platform::IsPasteKey(event)) {
        lblDisplay_Paste();
        return true;
    }
    return false;
}

void CalculatorPage::lblDisplay_Copy()
{
    m_context.Guard("lblDisplay_Copy", GuardVariant::Plain, [&] {
        // An error on the display is no number: the clipboard keeps what it had.
        const std::optional<std::string> number =
            CalculatorCopyText(platform::ToStd(lblDisplay->text()), m_context.regionalFormat);
        if (number)
            QGuiApplication::clipboard()->setText(platform::ToQString(*number));
    });
}

void CalculatorPage::lblDisplay_Paste()
{
    m_context.Guard("lblDisplay_Paste", GuardVariant::Plain, [&] {
        const std::optional<std::vector<std::int16_t>> keys = CalculatorPasteKeys(
            platform::ToStd(QGuiApplication::clipboard()->text()), m_context.regionalFormat);
        if (!keys) {
            m_context.Services().Beep();
            return;
        }
        for (const std::int16_t key : *keys)
            cmdCalc_Click(key);
    });
}

} // namespace vexmoor
