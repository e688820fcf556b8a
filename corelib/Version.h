#pragma once

#include <QString>

namespace vlt {

// The program's version, "1.4": the project version of the build, the one place it is set.
QString programVersion();

} // namespace vlt
