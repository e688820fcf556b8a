// The database interface section: fixed text that keeps the item array vItem.
#include "Module.h"

#include <initializer_list>

namespace gen {
namespace {

void writeDatabaseProperty(ModuleWriter& out) {
    out.line(u"Private Property Get tmp_Database_DATABASE() As int_Database");
    out.line();
    out.line(Indent{}, u"Set tmp_Database_DATABASE = DATABASE");
    out.line();
    out.line(u"End Property");
    out.line();
}

void writeShortProcedure(ModuleWriter& out, QStringView head,
                         std::initializer_list<QStringView> body) {
    out.line(head);
    out.line();
    for (const QStringView statement : body)
        out.line(Indent{}, statement);
    out.line();
    out.line(u"End Sub");
    out.line();
}

void writeShortProcedures(ModuleWriter& out) {
    writeShortProcedure(out, u"Private Sub DATABASE_DatabaseClear()", {u"ReDim vItem(0)"});
    writeShortProcedure(out, u"Private Sub DATABASE_DatabaseCount(ret As Long)",
                        {u"ret = UBound(vItem)"});
    writeShortProcedure(
        out,
        u"Private Sub DATABASE_DatabaseImport(ByVal NewEntry As tmp_Data, ByVal ID As Variant)",
        {u"ReDim Preserve vItem(UBound(vItem) + 1)", u"Set vItem(UBound(vItem)) = NewEntry",
         u"If VarType(ID) <> 10 Then vItem(UBound(vItem)).DATA.ID = ID"});
    writeShortProcedure(
        out, u"Private Sub DATABASE_DatabaseItem(rRet As tmp_Data, ByVal pIndex As Long)",
        {u"Set rRet = vItem(pIndex)"});
    writeShortProcedure(
        out, u"Private Sub DATABASE_DatabaseItemObj(rRet As Object, ByVal pIndex As Long)",
        {u"Set rRet = vItem(pIndex)"});
    writeShortProcedure(
        out, u"Private Sub DATABASE_DatabaseRemove(ByVal ID As Long)",
        {u"Set vItem(ID) = vItem(UBound(vItem))", u"ReDim Preserve vItem(UBound(vItem) - 1)"});
}

void writeSearch(ModuleWriter& out) {
    out.line(u"Private Sub DATABASE_DatabaseSearch(ret As Long, ByVal ID As Variant)");
    out.line();
    out.line(Indent{}, u"Dim I As Long");
    out.line();
    out.line(Indent{}, u"If VarType(ID) = vbString Then");
    out.line(Indent{2}, u"ID = UCase(Trim(ID))");
    out.line(Indent{}, u"End If");
    out.line();
    out.line(Indent{}, u"For I = 1 To UBound(vItem)");
    out.line(Indent{2}, u"If VarType(ID) = vbString And VarType(vItem(I).DATA.ID) = vbString Then");
    out.line(Indent{3}, u"If ID = UCase(Trim(vItem(I).DATA.ID)) Then");
    out.line(Indent{4}, u"ret = I");
    out.line(Indent{4}, u"Exit Sub");
    out.line(Indent{3}, u"End If");
    out.line(Indent{2}, u"Else");
    out.line(Indent{3}, u"If vItem(I).DATA.ID = ID Then");
    out.line(Indent{4}, u"ret = I");
    out.line(Indent{4}, u"Exit Sub");
    out.line(Indent{3}, u"End If");
    out.line(Indent{2}, u"End If");
    out.line(Indent{}, u"Next I");
    out.line();
    out.line(Indent{}, u"ret = 0");
    out.line();
    out.line(u"End Sub");
}

} // namespace

void writeDatabaseInterface(Module& module) {
    if (!module.switches.database)
        return;
    writeSectionTitle(module.out, u"'€ Database interface");
    writeDatabaseProperty(module.out);
    writeShortProcedures(module.out);
    writeSearch(module.out);
    module.out.closeSection();
}

} // namespace gen
