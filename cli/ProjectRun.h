#pragma once

#include "Options.h"
#include "Run.h"

namespace cli {

// Brings the project's stale and missing modules up to date, or with --check only says which
// are; one line per class module on standard output either way.
ExitStatus runProject(const Options& options);

} // namespace cli
