#pragma once

#include <QString>

// Tests write u"…"_s for a QString and "…"_L1 for a Latin-1 text.
using namespace Qt::StringLiterals;
