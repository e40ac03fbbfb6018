// Floating-point faults of the loan arithmetic. Each operation's result is tested as it is made
// (the floating-point environment's flags are not used: the compiler may move operations across
// a flag test). The first fault is remembered until Check throws it, so a caller can store a
// faulty value first and report the fault afterwards, or check before storing.
#pragma once

#include "errors/core/failure.h"

#include <cmath>
#include <optional>

namespace vexmoor::loan_detail {

class FaultWatch
{
public:
    double Add(double a, double b) { return Note(a + b, ErrorNumber::Overflow); }
    double Subtract(double a, double b) { return Note(a - b, ErrorNumber::Overflow); }
    double Multiply(double a, double b) { return Note(a * b, ErrorNumber::Overflow); }

    // A non-zero number divided by zero is a division by zero; 0 / 0 is an invalid operation,
    // which the program's error scheme reports as an overflow.
    double Divide(double a, double b)
    {
        const bool byZero = b == 0 && a != 0 && !std::isnan(a);
        return Note(a / b, byZero ? ErrorNumber::DivisionByZero : ErrorNumber::Overflow);
    }

    // Zero to a negative power is a division by zero; a negative base to a fractional power has
    // no real result and counts as an invalid operation.
    double Power(double base, double exponent)
    {
        const bool byZero = base == 0 && exponent < 0;
        return Note(std::pow(base, exponent),
                    byZero ? ErrorNumber::DivisionByZero : ErrorNumber::Overflow);
    }

    // A value from outside the watched operations (a stored figure, a conversion).
    double Value(double v) { return Note(v, ErrorNumber::Overflow); }

    // Throws the first fault seen, if any.
    void Check() const
    {
        if (m_fault)
            throw Failure(*m_fault);
    }

private:
    double Note(double result, ErrorNumber kind)
    {
        if (!std::isfinite(result) && !m_fault)
            m_fault = kind;
        return result;
    }

    std::optional<ErrorNumber> m_fault;
};

} // namespace vexmoor::loan_detail
