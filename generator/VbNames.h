#pragma once

#include <QStringView>

namespace gen {

// Words VB6 reserves: no variable, procedure or class may be named like one (any case).
// upperHash is vlt::upperHash(word), which the caller has at hand.
bool isReservedWord(QStringView word, quint32 upperHash);

// The types VB6 knows without a reference: valid after "As", never after "As New".
bool isIntrinsicType(QStringView type);

} // namespace gen
