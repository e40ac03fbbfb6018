// The Help window that F1 opens: a non-modal window beside the main one with the program's help
// (shell/core/help_text) as a read-only page. It is made on the first F1, so that it costs the
// start-up nothing; a later F1 shows and raises the same window, and Esc closes it.
#pragma once

#include <QDialog>

namespace vexmoor {

class HelpWindow final : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
};

// Makes F1 in the window show its Help window.
void InstallHelpKey(QWidget* window);
// Shows the owner's Help window, made on the first call, in front of the owner.
void ShowHelpWindow(QWidget* owner);

} // namespace vexmoor
