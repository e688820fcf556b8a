#pragma once

#include "Options.h"

namespace cli {

enum ExitStatus : int { ExitDone = 0, ExitDifferent = 1, ExitError = 2 };

// Generates every template of the options; every template is processed even after another
// one failed.
ExitStatus run(const Options& options);

} // namespace cli
