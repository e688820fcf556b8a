#pragma once

#include "ModuleWriter.h"
#include "Switches.h"

#include "corelib/BulkMemory.h"
#include "model/Class.h"

#include <QString>
#include <vector>

namespace gen {

// How the data interface procedures treat a member.
enum class DataRole : quint8 { Unbound, Value, Object, Array };

// Which controls the editor procedures bind a member to.
enum class EditorKind : quint8 { None, Text, Number, Flag, Date };

// One member of the template with its kinds decided once for all sections, so that a
// pass over the members never visits the member objects themselves. The texts are the
// member's own characters, not copies; only a control name that hName spells differently from
// the member's name is copied. Kept small: a long list's table is read once per section.
struct MemberFacts {
    const char16_t* nameText = nullptr;    // MNAME
    const char16_t* controlText = nullptr; // MNAME as hName spells it, as long as MNAME
    const char16_t* typeText = nullptr;    // MTYPE
    quint32 nameSize = 0;
    quint32 typeSize = 0;
    bool isPublic = true;
    bool isArray = false;
    bool isDataId = false;
    bool isChild = false;
    bool valueType = false; // hIsVB(MTYPE)
    DataRole role = DataRole::Unbound;
    EditorKind editor = EditorKind::None;

    QStringView name() const { return QStringView(nameText, nameSize); }
    // The editor's control names.
    QStringView controlName() const { return QStringView(controlText, nameSize); }
    QStringView type() const { return QStringView(typeText, typeSize); }
    // "New " in front of an object type, nothing in front of a value type.
    QStringView newPrefix() const { return valueType ? QStringView() : QStringView(u"New "); }
};

// Everything the sections read: the template, the switches decided once from its options,
// its members (with the lock members after them) and the module text.
struct Module {
    const cls_Class& tpl;
    bool attributes;
    Switches switches;
    const vlt::BulkVector<MemberFacts>& members;
    ModuleWriter& out;
};

// Writes the whole module of tpl into sink; with trace every line is preceded by a comment
// naming the generator's file and line that wrote it.
void writeModule(cls_Class& tpl, bool attributes, bool trace, TextSink& sink);

// True when one of the members is selected.
template <typename Selection> bool anyMember(const Module& module, Selection selected) {
    for (const MemberFacts& facts : module.members)
        if (selected(facts))
            return true;
    return false;
}

// Writes name to `to` as hName spells it: first character upper case, the rest lower case.
void spellName(QStringView name, char16_t* to);
// True when spellName would write name unchanged.
bool isSpelledName(QStringView name);

// "'" followed by 139 euro signs.
const QString& separator();
// separator, the title line, separator, "'"; traced as written where the call stands.
void writeSectionTitle(ModuleWriter& out, QStringView title, SourcePlace where = SourcePlace());

// One function per section group, in the order they are written.
void writeModuleHead(Module& module);
void writeInterfaces(Module& module);
void writeInternalMembers(Module& module);
void writePublicMembers(Module& module);
void writeClassInitialize(Module& module);
void writeDataInterface(Module& module);
void writeDatabaseInterface(Module& module);
void writeAdditionalInterface(Module& module);
void writeCustomAdditions(Module& module);

} // namespace gen
