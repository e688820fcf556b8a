#pragma once

#include <QStringView>

namespace gen {

// Words VB6 reserves: no variable, procedure or class may be named like one (any case).
bool isReservedWord(QStringView word);
// The same, with vlt::upperHash(word) known.
bool isReservedWord(QStringView word, quint32 upperHash);

// The types VB6 knows without a reference: valid after "As", never after "As New".
bool isIntrinsicType(QStringView type);

} // namespace gen
