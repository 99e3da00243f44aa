// What became of one movie of the command line.
#pragma once

#include <optional>
#include <string>

#include "extract/extraction_run.h"

namespace reelsnap::cli {

// Why a movie failed, as said on standard error and in its record.
struct Problem {
    std::string text;
};

struct MovieOutcome {
    std::optional<Problem> problem;  // why it failed
    RunResult result;                // what its run did, where it ran
    bool stopped = false;            // a signal ended it
};

}  // namespace reelsnap::cli
