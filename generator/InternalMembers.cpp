// The internal members section: the item array and the private members.
#include "Generator.h"
#include "Module.h"

namespace gen {
namespace {

bool isInternal(const MemberFacts& facts) {
    return !facts.isPublic && !facts.isDataId;
}

} // namespace

void writeInternalMembers(Module& module) {
    if (!module.switches.database && !anyMember(module, isInternal))
        return;
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Internal members");
    if (module.switches.database)
        out.line(u"Private vItem() AS ", hNew(module.tpl.DATABASE_TYPE));
    for (const MemberFacts& facts : module.members) {
        if (!isInternal(facts))
            continue;
        const QStringView arrayMark = facts.isArray ? QStringView(u"()") : QStringView();
        out.line(u"Private ", facts.name(), arrayMark, u" As ", facts.newPrefix(), facts.type());
    }
    out.closeSection();
}

} // namespace gen
