// The error guard around every window handler.
#include "errors/ui/guard.h"

#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/log_error.h"

#include <new>
#include <stdexcept>

namespace vexmoor {

namespace {

// Numbers for exceptions that are not the program's own Failure, taken from the same error
// scheme so that the log stays readable: out of memory, an index out of range, anything else.
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kSubscriptOutOfRange = 9;
constexpr std::int32_t kInternalError = 51;

bool EndsSilently(GuardVariant variant, std::int32_t number)
{
    return variant == GuardVariant::SilentArithmetic &&
        (number == static_cast<std::int32_t>(ErrorNumber::Overflow) ||
         number == static_cast<std::int32_t>(ErrorNumber::DivisionByZero));
}

GuardOutcome Report(const char* procName, GuardVariant variant, const Failure& failure)
{
    GuardOutcome outcome;
    outcome.completed = false;
    outcome.errorNumber = failure.Number();
    try {
        ErrorContext& context = CurrentErrorContext();
        context.ErrModuleName = kErrModuleName;
        context.ErrUserMessage.clear();
        context.ErrProcName = procName != nullptr ? procName : "";

        if (EndsSilently(variant, outcome.errorNumber))
            return outcome;
        if (variant == GuardVariant::InvalidNumber) {
            if (outcome.errorNumber == static_cast<std::int32_t>(ErrorNumber::TypeMismatch)) {
                context.ErrUserMessage = kInvalidNumberMessage;
                outcome.cancel = true;
            } else if (outcome.errorNumber == static_cast<std::int32_t>(ErrorNumber::Overflow)) {
                outcome.cancel = true;
            }
        }
        LogError(context.ErrModuleName, context.ErrProcName, context.ErrUserMessage, failure);
    } catch (...) {
        // Reports do not nest: a failure while reporting ends the report.
    }
    return outcome;
}

GuardOutcome ReportNumber(const char* procName, GuardVariant variant, std::int32_t number)
{
    try {
        return Report(procName, variant, Failure(number, ErrorDescription(number)));
    } catch (...) {
        GuardOutcome outcome;
        outcome.completed = false;
        outcome.errorNumber = number;
        return outcome;
    }
}

} // namespace

GuardOutcome Guarded(const char* procName, GuardVariant variant, const std::function<void()>& body)
{
    try {
        body();
        return {};
    } catch (const Failure& failure) {
        return Report(procName, variant, failure);
    } catch (const std::bad_alloc&) {
        return ReportNumber(procName, variant, kOutOfMemory);
    } catch (const std::out_of_range&) {
        return ReportNumber(procName, variant, kSubscriptOutOfRange);
    } catch (...) {
        return ReportNumber(procName, variant, kInternalError);
    }
}

} // namespace vexmoor
