// The calculator key pad: binds the engine to the keys and the display.
#include "shell/ui/frm_vexmoor.h"

namespace vexmoor {

void frmVexmoor::ConnectCalculator() { }

void frmVexmoor::cmdCalc_Click(std::int16_t) { }

} // namespace vexmoor
