#pragma once
// Runs one step of a routine whose failing steps are skipped: a run-time error raised by the step is
// dropped and the caller goes on with its next step.

#include "common/run_time_error.h"

namespace kelvor {

// True when the step ran to its end.
template <typename Step>
bool ContinueOnError(Step&& step) {
    try {
        step();
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

}  // namespace kelvor
