// The error guard that every window handler runs its body under: no exception ever leaves a
// handler; a failure is reported through `LogError` under the handler's procedure name.
#pragma once

#include <cstdint>
#include <functional>

namespace vexmoor {

enum class GuardVariant {
    Plain,
    // Entry-field validation: number 13 becomes "Enter a valid number." and cancels the
    // validation so that the focus stays in the field. An overflow (6), an entry beyond what the
    // program can hold, is refused the same way under its own text.
    InvalidNumber,
    // The loan calculations: overflow (6) and division by zero (11) end the handler silently.
    SilentArithmetic,
};

struct GuardOutcome
{
    bool completed = true; // the body ran to its end
    bool cancel = false; // the caller should keep the focus where it is
    std::int32_t errorNumber = 0; // the failure's number, 0 when completed
};

// Runs body. A Failure escaping it is reported with its own number. Other exceptions are
// reported as: std::bad_alloc 7 ("Out of memory"), std::out_of_range 9 ("Subscript out of
// range"), any other std::exception or anything else thrown 51 ("Internal error").
// Fills CurrentErrorContext() ("frmVexmoor", procName, empty user message), applies the variant
// and calls LogError. Never lets an exception out.
GuardOutcome Guarded(const char* procName, GuardVariant variant, const std::function<void()>& body);

// Guarded with the plain variant, for code that takes a guard to run its handlers under.
void GuardedPlain(const char* procName, const std::function<void()>& body);

} // namespace vexmoor
