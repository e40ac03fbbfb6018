// The error number of the Failure a piece of code throws, for tests that expect one.
#pragma once

#include "errors/core/failure.h"

namespace vexmoor::test {

// The number of the Failure `run` throws, 0 when it completes.
template<typename Run> int FailureOf(Run run)
{
    try {
        run();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

} // namespace vexmoor::test
