#pragma once

#include "Variant.h"

#include <QString>
#include <QStringView>
#include <initializer_list>
#include <variant>

namespace vlt {

// A text that many records of one file repeat (a member's type): the records that read the same
// line share one text instead of each making its own.
struct RepeatedText {
    QString* text;
};

// Where READ puts a value; the stored value is converted to the target's kind. A QStringView
// sees the value as text and stays valid until the next READ: for values that are only looked
// at, such as a record's version, so that they need no text of their own.
using ReadTarget =
    std::variant<Variant*, QString*, bool*, qint32*, double*, QStringView*, RepeatedText>;

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
