// Class-file header and attributes, banner, interface and member declarations.
#include "Generator.h"
#include "Module.h"

namespace gen {
namespace {

void writeHeaderAndAttributes(ModuleWriter& out, const cls_Class& tpl) {
    out.line(u"VERSION 1.0 CLASS");
    out.line(u"BEGIN");
    out.line(u"  MultiUse = -1  'True");
    out.line(u"  Persistable = 0  'NotPersistable");
    out.line(u"  DataBindingBehavior = 0  'vbNone");
    out.line(u"  DataSourceBehavior = 0   'vbNone");
    out.line(u"  MTSTransactionMode = 0   'NotAnMTSObject");
    out.line(u"End");
    out.line(u"Attribute VB_Name = \"", tpl.CLASSNAME, u"\"");
    out.line(u"Attribute VB_GlobalNameSpace = False");
    out.line(u"Attribute VB_Creatable = True");
    out.line(u"Attribute VB_PredeclaredId = False");
    out.line(u"Attribute VB_Exposed = True");
}

void writeBanner(ModuleWriter& out, const cls_Class& tpl) {
    out.line(separator());
    out.line(u"'€");
    out.line(u"'€  ", tpl.PROJECT);
    out.line(u"'€");
    out.line(u"'€      File        : ", tpl.FILENAME);
    out.line(u"'€      Author      : ", tpl.AUTHOR);
    out.line(u"'€      Copyright   : ", tpl.COPYRIGHT);
    out.line(u"'€      Build       : ", tpl.BUILD);
    out.line(u"'€");
    if (!tpl.DESCRIPTION.isEmpty()) {
        out.line(u"'€      Description : ", tpl.DESCRIPTION);
        out.line(u"'€");
    }
    out.line(separator());
    out.line(u"'");
    out.line(u"Option Explicit");
    out.closeSection();
}

void writeInterfaces(Module& module) {
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Interfaces");
    out.line(u"Implements tmp_Data");
    if (module.databaseInterface)
        out.line(u"Implements tmp_Database");
    out.line(u"Public Withevents DATA As int_Data");
    if (module.databaseInterface)
        out.line(u"Public Withevents DATABASE As int_Database");
    out.closeSection();
}

bool isInternal(const MemberFacts& facts) {
    return !facts.isPublic && !facts.isDataId;
}

bool isPublic(const MemberFacts& facts) {
    return facts.isPublic && !facts.isDataId;
}

template <typename Selection> bool anyMember(const Module& module, Selection selected) {
    for (const MemberFacts& facts : module.members)
        if (selected(facts))
            return true;
    return false;
}

void writeInternalMembers(Module& module) {
    if (!module.databaseInterface && !anyMember(module, isInternal))
        return;
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Internal members");
    if (module.databaseInterface)
        out.line(u"Private vItem() AS ", hNew(module.workingCopy.DATABASE_TYPE));
    for (const MemberFacts& facts : module.members) {
        if (!isInternal(facts))
            continue;
        const QStringView arrayMark = facts.isArray ? QStringView(u"()") : QStringView();
        out.line(u"Private ", facts.name, arrayMark, u" As ", facts.newPrefix(), facts.type);
    }
    out.closeSection();
}

void writePublicMembers(Module& module) {
    const bool parent = module.workingCopy.DATA_PARENT;
    if (!parent && !anyMember(module, isPublic))
        return;
    ModuleWriter& out = module.out;
    writeSectionTitle(out, u"'€ Public members");
    for (const MemberFacts& facts : module.members)
        if (isPublic(facts))
            out.line(u"Public ", facts.name, u" As ", facts.newPrefix(), facts.type);
    if (parent) {
        out.line(u"Public hParent As Object");
        out.line(u"Attribute hParent.VB_VarMemberFlags = \"40\"");
    }
    out.closeSection();
}

} // namespace

void writeModuleHead(Module& module) {
    if (module.attributes)
        writeHeaderAndAttributes(module.out, module.workingCopy);
    else
        module.out.omitNextLineBreak();
    writeBanner(module.out, module.workingCopy);
    writeInterfaces(module);
    writeInternalMembers(module);
    writePublicMembers(module);
}

} // namespace gen
