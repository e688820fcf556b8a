#include "Switches.h"

#include "corelib/HostText.h"
#include "model/Class.h"

namespace gen {

Switches switchesOf(const cls_Class& tpl) {
    Switches switches;
    switches.database = !vlt::isBlank(tpl.DATABASE_TYPE);
    switches.collectionFunctions = switches.database && tpl.DATABASE_ADVANCED;
    switches.lockFunctions = switches.database && tpl.DATABASE_LOCK;
    switches.fileFunctions = switches.collectionFunctions || tpl.DATA_LOADSAVE;
    switches.editor = tpl.DATA_EDITOR;
    switches.parent = tpl.DATA_PARENT;
    switches.lockMembers = tpl.DATA_LOCK;
    return switches;
}

} // namespace gen
