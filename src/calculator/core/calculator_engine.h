// The pocket calculator's engine: key captions in, display text out.
#pragma once

#include <string>

namespace vexmoor {

struct CalculatorState {
    std::string Entry;
    double Accumulator = 0;
    double Operand = 0;
    std::string PendingOperator;
    bool NewEntryAfterOperator = false;
    bool OperandFromEntry = false;
    bool NewEntryAfterEquals = false;
};

} // namespace vexmoor
