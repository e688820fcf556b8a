#pragma once

#include "Variant.h"

#include <QString>
#include <initializer_list>
#include <variant>

namespace vlt {

// Where READ puts a value; the stored value is converted to the target's kind.
using ReadTarget = std::variant<Variant*, QString*, bool*, qint32*, double*>;

// The structured file as the records see it: a sequence of values.
class tmp_FileIO {
public:
    virtual ~tmp_FileIO() = default;

    // Appends the values in argument order.
    virtual void STORE(std::initializer_list<Variant> values) = 0;
    // Fills the targets with the next stored values, in order.
    virtual void READ(std::initializer_list<ReadTarget> targets) = 0;
    // Returns the next stored value as it was stored.
    virtual Variant READFNC() = 0;
};

} // namespace vlt
