// The public members section, with the parent reference.
#include "Module.h"

namespace gen {
namespace {

bool isPublic(const MemberFacts& facts) {
    return facts.isPublic && !facts.isDataId;
}

} // namespace

void writePublicMembers(Module& module) {
    const bool parent = module.switches.parent;
    if (!parent && !anyMember(module, isPublic))
        return;
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Public members");
    for (const MemberFacts& facts : module.members)
        if (isPublic(facts))
            out.line(u"Public ", facts.name(), u" As ", facts.newPrefix(), facts.type());
    if (parent) {
        out.line(u"Public hParent As Object");
        out.line(u"Attribute hParent.VB_VarMemberFlags = \"40\"");
    }
    out.closeSection();
}

} // namespace gen
