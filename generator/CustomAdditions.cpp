// The custom additions close the module with the template's own code.
#include "Module.h"
#include "corelib/HostText.h"

namespace gen {

void writeCustomAdditions(Module& module) {
    const QString& custom = module.tpl.CUSTOM;
    if (vlt::isBlank(custom))
        return;
    writeSectionTitle(module.out, u"'€ Custom additions");
    module.out.line(custom);
    module.out.indentLine();
}

} // namespace gen
