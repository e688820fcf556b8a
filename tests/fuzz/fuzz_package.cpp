// Package unpack: any text either unpacks into a template, whose package then packs back to
// the same text after a second unpack, or fails with a vlt::Error and changes nothing.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "model/Class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every UTF-16 unit is possible in a package, so the bytes are taken as UTF-16 as they are.
    const QString package(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    cls_Class first;
    first.CLASSNAME = u"cls_Vorher"_s;
    const QString before = first.DATA.PACKAGE();
    try {
        first.DATA.setPACKAGE(package);
    } catch (const vlt::Error&) {
        require(first.DATA.PACKAGE() == before, "a damaged package changes nothing");
        return 0;
    }
    const QString packed = first.DATA.PACKAGE();
    cls_Class second;
    second.DATA.setPACKAGE(packed);
    require(second.DATA.PACKAGE() == packed, "an unpacked template packs the same twice");
    return 0;
}
