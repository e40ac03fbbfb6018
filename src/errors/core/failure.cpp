// Error numbers and their descriptions.
#include "errors/core/failure.h"

#include <cmath>

namespace vexmoor {

std::string ErrorDescription(std::int32_t number)
{
    switch (number) {
    case 5:
        return "Invalid procedure call or argument";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript out of range";
    case 11:
        return "Division by zero";
    case 13:
        return "Type mismatch";
    case 51:
        return "Internal error";
    default:
        return "Application-defined or object-defined error";
    }
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
