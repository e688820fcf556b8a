// Template loading: any bytes either load, or leave the template exactly as it was and name
// the file in the error.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    cls_Class tpl;
    tpl.CLASSNAME = u"cls_Vorher"_s;
    const QString before = tpl.DATA.PACKAGE();
    try {
        readTemplate(scratchPath(), tpl);
    } catch (const vlt::Error& error) {
        require(error.message().contains(scratchPath()), "a load error names the file");
        require(tpl.DATA.PACKAGE() == before, "a failed load changes nothing");
    }
    return 0;
}
