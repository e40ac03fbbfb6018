// The loan entry pages: sub-page switch, fields, selectors, the two calculations and Clear.
#include "shell/ui/frm_vexmoor.h"

namespace vexmoor {

void frmVexmoor::ConnectLoan() { }
void frmVexmoor::tabOptions2_Click() { }
void frmVexmoor::txtCalRpy_GotFocus(std::int16_t) { }
void frmVexmoor::txtCalRpy_LostFocus(std::int16_t) { }
void frmVexmoor::txtCalRpy_Validate(std::int16_t, bool&) { }
void frmVexmoor::txtCalPrn_GotFocus(std::int16_t) { }
void frmVexmoor::txtCalPrn_LostFocus(std::int16_t) { }
void frmVexmoor::txtCalPrn_Validate(std::int16_t, bool&) { }
void frmVexmoor::cboCalRpy_Click(std::int16_t) { }
void frmVexmoor::cboCalRpy_GotFocus(std::int16_t) { }
void frmVexmoor::cboCalRpy_LostFocus(std::int16_t) { }
void frmVexmoor::cboCalRpy_Validate(std::int16_t, bool&) { }
void frmVexmoor::cboCalPrn_Click(std::int16_t) { }
void frmVexmoor::cboCalPrn_GotFocus(std::int16_t) { }
void frmVexmoor::cboCalPrn_LostFocus(std::int16_t) { }
void frmVexmoor::cboCalPrn_Validate(std::int16_t, bool&) { }
void frmVexmoor::cboIntRat_Click(std::int16_t) { }
void frmVexmoor::cboIntRat_GotFocus(std::int16_t) { }
void frmVexmoor::cboIntRat_LostFocus(std::int16_t) { }
void frmVexmoor::cboIntRat_Validate(std::int16_t, bool&) { }
void frmVexmoor::cmdCalRpy_Click() { }
void frmVexmoor::cmdCalPrn_Click() { }
void frmVexmoor::cmdClrRpy_Click() { }
void frmVexmoor::cmdClrPrn_Click() { }
void frmVexmoor::ClearLoanPage(LoanPage) { }
void frmVexmoor::LoanSchedule(bool) { }

} // namespace vexmoor
