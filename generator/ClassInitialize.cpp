// Class_Initialize and the ID property.
#include "Module.h"

namespace gen {
namespace {

void writeParentLines(Module& module) {
    bool wrote = false;
    for (const MemberFacts& facts : module.members) {
        if (!facts.isChild)
            continue;
        module.out.line(Indent{}, u"Set ", facts.name(), u".hParent = Me");
        wrote = true;
    }
    if (wrote)
        module.out.line();
}

void writeArrayLines(Module& module) {
    bool wrote = false;
    if (module.switches.database) {
        module.out.line(Indent{}, u"Redim vItem(0)");
        wrote = true;
    }
    for (const MemberFacts& facts : module.members) {
        if (!facts.isArray)
            continue;
        module.out.line(Indent{}, u"Redim ", facts.name(), u"(0)");
        wrote = true;
    }
    if (wrote)
        module.out.line();
}

void writeInitialize(Module& module) {
    ModuleWriter& out = module.out;
    out.line(separator());
    out.line(u"'€ Class_Initialize()");
    out.line(u"'€     Sets up class");
    out.line(separator());
    out.line(u"'");
    out.line(u"Private Sub Class_Initialize()");
    out.line();
    out.line(Indent{}, u"Set DATA = new int_Data");
    if (module.switches.database) {
        out.line(Indent{}, u"Set DATABASE = new int_Database");
        out.line();
    }
    out.line(Indent{}, u"DATA.ACTIVEX = App.EXEName+\".\"+TypeName(Me)");
    out.line();
    writeParentLines(module);
    writeArrayLines(module);
    out.line(u"End Sub");
    out.closeSection();
}

const MemberFacts* identifierMember(const Module& module) {
    for (const MemberFacts& facts : module.members)
        if (facts.isDataId)
            return &facts;
    return nullptr;
}

void writeIdProperty(ModuleWriter& out, const MemberFacts& id) {
    const QStringView name = id.name();
    const QStringView type = id.type();
    const QStringView scope = id.isPublic ? QStringView(u"Public") : QStringView(u"Private");
    out.line(separator());
    out.line(u"'€ ", type, u" = ", name, u" = ", type);
    out.line(u"'€     Direct way to access DATA.ID");
    out.line(separator());
    out.line(u"'");
    out.line(scope, u" Property Get ", name, u"() As ", type);
    out.indentLine();
    out.line(Indent{}, name, u" = DATA.ID");
    out.indentLine();
    out.line(u"End Property");
    out.line();
    out.line(scope, u" Property Let ", name, u"(Byval pNewValue As ", type, u")");
    out.indentLine();
    out.line(Indent{}, u"DATA.ID = pNewValue");
    out.indentLine();
    out.line(u"End Property");
    out.closeSection();
}

} // namespace

void writeClassInitialize(Module& module) {
    writeInitialize(module);
    if (const MemberFacts* id = identifierMember(module))
        writeIdProperty(module.out, *id);
}

} // namespace gen
