#pragma once

#include "Data.h"
#include "FileIO.h"
#include "Variant.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <variant>
#include <vector>

namespace vlt {

// An array of records as one package value; position 0 may be empty (null).
using RecordArray = std::vector<std::shared_ptr<tmp_Data>>;

struct RecordArrayIn {
    const RecordArray& items;
};

// Unpacking an array of records: the array is rebuilt with the packed number of positions,
// every non-empty position made by create() and filled from its package.
struct RecordArrayOut {
    RecordArray& items;
    std::function<std::shared_ptr<tmp_Data>()> create;
};

using PackValue = std::variant<Variant, RecordArrayIn>;
using UnpackTarget = std::variant<Variant*, QString*, bool*, qint32*, double*, RecordArrayOut>;

// The string library's pack object.
class cls_Pack {
public:
    QString PACK(std::initializer_list<PackValue> values) const;
    void UNPACK(const QString& package, std::initializer_list<UnpackTarget> targets) const;
};

// The string library object: VSTRING.PACK.PACK(...), VSTRING.PACK.UNPACK(...), VSTRING.UNPACK(...).
class cls_VString {
public:
    cls_Pack PACK;
    void UNPACK(const QString& package, std::initializer_list<UnpackTarget> targets) const;
};

extern const cls_VString VSTRING;

} // namespace vlt
