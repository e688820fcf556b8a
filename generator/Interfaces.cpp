// The interfaces section: what the class implements and the events it handles.
#include "Module.h"

namespace gen {

void writeInterfaces(Module& module) {
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Interfaces");
    out.line(u"Implements tmp_Data");
    if (module.switches.database)
        out.line(u"Implements tmp_Database");
    out.line(u"Public Withevents DATA As int_Data");
    if (module.switches.database)
        out.line(u"Public Withevents DATABASE As int_Database");
    out.closeSection();
}

} // namespace gen
