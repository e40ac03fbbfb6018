// Error numbers and their descriptions.
#include "errors/core/failure.h"

#include "common/core/translatable.h"

#include <cmath>

namespace vexmoor {

std::string ErrorDescription(std::int32_t number)
{
    switch (static_cast<ErrorNumber>(number)) {
    case ErrorNumber::InvalidProcedureCall:
        return VEXMOOR_TR_NOOP("Errors", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return VEXMOOR_TR_NOOP("Errors", "Overflow");
    case ErrorNumber::OutOfMemory:
        return VEXMOOR_TR_NOOP("Errors", "Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return VEXMOOR_TR_NOOP("Errors", "Subscript out of range");
    case ErrorNumber::DivisionByZero:
        return VEXMOOR_TR_NOOP("Errors", "Division by zero");
    case ErrorNumber::TypeMismatch:
        return VEXMOOR_TR_NOOP("Errors", "Type mismatch");
    case ErrorNumber::InternalError:
        return VEXMOOR_TR_NOOP("Errors", "Internal error");
    }
    return VEXMOOR_TR_NOOP("Errors", "Application-defined or object-defined error");
}

bool IsSilentArithmeticFault(std::int32_t number)
{
    return number == static_cast<std::int32_t>(ErrorNumber::Overflow) ||
        number == static_cast<std::int32_t>(ErrorNumber::DivisionByZero);
}

Failure::Failure(ErrorNumber number)
    : Failure(static_cast<std::int32_t>(number),
              ErrorDescription(static_cast<std::int32_t>(number)))
{ }

Failure::Failure(std::int32_t number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number)
{ }

double CheckedResult(double value, ErrorNumber whenNotANumber)
{
    if (std::isinf(value))
        throw Failure(ErrorNumber::Overflow);
    if (std::isnan(value))
        throw Failure(whenNotANumber);
    return value;
}

} // namespace vexmoor
