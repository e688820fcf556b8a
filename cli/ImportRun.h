#pragma once

#include "Options.h"
#include "Run.h"

namespace cli {

// Imports every module of the options into a template; every module is processed even after
// another one failed.
ExitStatus runImport(const Options& options);

} // namespace cli
