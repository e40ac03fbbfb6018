// The program's one failure type: a run-time error with the platform error number and its
// description, raised by the cores and caught by the window's error guards.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vexmoor {

// Error numbers the program tests or reports. OutOfMemory, SubscriptOutOfRange and
// InternalError number the exceptions that are not the program's own Failure.
enum class ErrorNumber : std::int32_t {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    InternalError = 51,
};

// The arithmetic faults (overflow, division by zero) that a calculation may end on without a
// message: its result field simply stays empty.
bool IsSilentArithmeticFault(std::int32_t number);

// The description the program shows for an error number ("Overflow", "Type mismatch", ...).
std::string ErrorDescription(std::int32_t number);

class Failure : public std::runtime_error
{
public:
    explicit Failure(ErrorNumber number);
    Failure(std::int32_t number, const std::string& description);

    std::int32_t Number() const noexcept { return m_number; }
    std::string Description() const { return what(); }

private:
    std::int32_t m_number;
};

// Throws Failure(Overflow) when value is infinite and Failure(DivisionByZero) or
// Failure(Overflow) as the caller says when it is not-a-number; returns value otherwise.
double CheckedResult(double value, ErrorNumber whenNotANumber = ErrorNumber::Overflow);

} // namespace vexmoor
