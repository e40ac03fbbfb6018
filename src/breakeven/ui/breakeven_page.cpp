// The break-even page: fields, Calculate, Clear and the sub-pages.
#include "shell/ui/frm_vexmoor.h"

namespace vexmoor {

void frmVexmoor::ConnectBreakEven() { }
void frmVexmoor::txtBeV_GotFocus(std::int16_t) { }
void frmVexmoor::txtBeV_LostFocus(std::int16_t) { }
void frmVexmoor::txtBeV_Validate(std::int16_t, bool&) { }
void frmVexmoor::cmdCalBeV_Click() { }
void frmVexmoor::cmdClrBeV_Click() { }
void frmVexmoor::ClearBreakEven() { }
void frmVexmoor::tabOptions1_Click() { }
void frmVexmoor::GenChart() { }
void frmVexmoor::chtBeVAny_PointSelected(int, int) { }

} // namespace vexmoor
