// The calculator's display on the clipboard: Ctrl+C or Ctrl+Insert copies the number it shows,
// Ctrl+V or Shift+Insert pastes a number by pressing its keys in turn, and the display's context
// menu offers both. The window's key preview hands these keys here before its key maps see them,
// so a copy or paste never presses a calculator key by accident.
#include "shell/ui/frm_vexmoor.h"

#include "calculator/core/calculator_clipboard.h"
#include "errors/ui/guard.h"
#include "platform/widgets/context_menu.h"
#include "platform/services/services.h"
#include "platform/text.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace vexmoor {

namespace {

enum class ClipboardKey { None, Copy, Paste };

ClipboardKey ClipboardKeyOf(const QKeyEvent& key)
{
    if (platform::IsCopyKey(key))
        return ClipboardKey::Copy;
    if (platform::IsPasteKey(key))
        return ClipboardKey::Paste;
    return ClipboardKey::None;
}

} // namespace

void frmVexmoor::ConnectCalculatorClipboard()
{
    displayMenu = new platform::ContextMenu(
        lblDisplay, QStringLiteral("lblDisplayMenu"),
        [this](QMenu& menu) {
            using platform::WithShortcutText;
            menu.addAction(WithShortcutText(QStringLiteral("&Copy"), QKeySequence::Copy), this,
                           [this] { lblDisplay_Copy(); })
                ->setObjectName(QStringLiteral("copy"));
            menu.addAction(WithShortcutText(QStringLiteral("&Paste"), QKeySequence::Paste), this,
                           [this] { lblDisplay_Paste(); });
        },
        [this](QMenu& menu) {
            const bool number =
                CalculatorCopyText(platform::ToStd(lblDisplay->text()), regionalFormat).has_value();
            menu.findChild<QAction*>(QStringLiteral("copy"))->setEnabled(number);
        });
}

bool frmVexmoor::CalculatorClipboardKey(QKeyEvent* event)
{
    switch (ClipboardKeyOf(*event)) {
    case ClipboardKey::Copy:
        lblDisplay_Copy();
        return true;
    case ClipboardKey::Paste:
        lblDisplay_Paste();
        return true;
    case ClipboardKey::None:
        break;
    }
    return false;
}

void frmVexmoor::lblDisplay_Copy()
{
    Guarded("lblDisplay_Copy", GuardVariant::Plain, [&] {
        // An error on the display is no number: the clipboard keeps what it had.
        const std::optional<std::string> number =
            CalculatorCopyText(platform::ToStd(lblDisplay->text()), regionalFormat);
        if (number)
            QGuiApplication::clipboard()->setText(platform::ToQString(*number));
    });
}

void frmVexmoor::lblDisplay_Paste()
{
    Guarded("lblDisplay_Paste", GuardVariant::Plain, [&] {
        const std::optional<std::vector<std::int16_t>> keys = CalculatorPasteKeys(
            platform::ToStd(QGuiApplication::clipboard()->text()), regionalFormat);
        if (!keys) {
            platform::CurrentServices().Beep();
            return;
        }
        for (const std::int16_t key : *keys)
            cmdCalc_Click(key);
    });
}

} // namespace vexmoor
