// The error guard around every window handler.
#include "errors/ui/guard.h"

#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/log_error.h"

#include <new>
#include <stdexcept>

namespace vexmoor {

namespace {

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

        if (variant == GuardVariant::SilentArithmetic &&
            IsSilentArithmeticFault(outcome.errorNumber))
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

// Exceptions that are not the program's own Failure take numbers from the same error scheme,
// so that the log stays readable.
GuardOutcome ReportNumber(const char* procName, GuardVariant variant, ErrorNumber kind)
{
    try {
        return Report(procName, variant, Failure(kind));
    } catch (...) {
        GuardOutcome outcome;
        outcome.completed = false;
        outcome.errorNumber = static_cast<std::int32_t>(kind);
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
        return ReportNumber(procName, variant, ErrorNumber::OutOfMemory);
    } catch (const std::out_of_range&) {
        return ReportNumber(procName, variant, ErrorNumber::SubscriptOutOfRange);
    } catch (...) {
        return ReportNumber(procName, variant, ErrorNumber::InternalError);
    }
}

void GuardedPlain(const char* procName, const std::function<void()>& body)
{
    Guarded(procName, GuardVariant::Plain, body);
}

} // namespace vexmoor
