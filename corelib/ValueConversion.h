#pragma once

#include "Variant.h"

#include <QString>

namespace vlt {

// Put a stored value into a typed target as READ and UNPACK do. A text that is no number for a
// numeric target raises vlt::Error whose message names `source` (the line and file, or the
// package position).
void assignConverted(const Variant& value, Variant* target, const QString& source);
void assignConverted(const Variant& value, QString* target, const QString& source);
void assignConverted(const Variant& value, bool* target, const QString& source);
void assignConverted(const Variant& value, qint32* target, const QString& source);
void assignConverted(const Variant& value, double* target, const QString& source);

} // namespace vlt
