// One loan entry page as its handlers see it: its controls, where the core says its entries lie,
// and the names its failures are reported under. Chosen once from the page, so that each event
// of the Repayment and Principal pages has one body.
#pragma once

#include "loan/core/loan_entry.h"
#include "platform/widgets/control_array.h"

class QLabel;
class QLineEdit;

namespace vexmoor {

namespace platform {
class Selector;
}

struct LoanPageView
{
    LoanEntryPage page;
    const LoanPageIndexes& at;
    const platform::ControlArray<QLineEdit>& fields;
    const platform::ControlArray<QLabel>& captions;
    const platform::ControlArray<platform::Selector>& modes;
    const char* validateName; // an entry field's Validate
    const char* calculateName; // the Calculate button's Click
    const char* modeClickName; // the mode selector's Click
    const char* modeValidateName; // the mode selector's Validate

    QLineEdit* Result() const { return fields[kResultFieldIndex]; }
    platform::Selector* Mode() const { return modes[at.modeSelector]; }
};

} // namespace vexmoor
