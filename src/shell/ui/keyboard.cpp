// The window's key preview: page cycling with Ctrl+Tab and the calculator's keys.
#include "shell/ui/frm_vexmoor.h"

namespace vexmoor {

bool frmVexmoor::PreviewKey(QKeyEvent*)
{
    return false;
}

void frmVexmoor::Form_KeyDown(int, int) { }

void frmVexmoor::Form_KeyPress(int) { }

} // namespace vexmoor
