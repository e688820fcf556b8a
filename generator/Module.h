#pragma once

#include "ModuleWriter.h"

#include "model/Class.h"

#include <QString>
#include <vector>

namespace gen {

// How the data interface procedures treat a member.
enum class DataRole { Unbound, Value, Object, Array };

// Which controls the editor procedures bind a member to.
enum class EditorKind { None, Text, Number, Flag, Date };

// One member of the working copy with its kinds decided once for all sections, so that a
// pass over the members never visits the member objects themselves.
struct MemberFacts {
    QStringView name; // MNAME
    QStringView type; // MTYPE
    bool isPublic = true;
    bool isArray = false;
    bool isDataId = false;
    bool isChild = false;
    bool valueType = false; // hIsVB(MTYPE)
    DataRole role = DataRole::Unbound;
    EditorKind editor = EditorKind::None;

    // "New " in front of an object type, nothing in front of a value type.
    QStringView newPrefix() const { return valueType ? QStringView() : QStringView(u"New "); }
};

// The facts of all members in list order; name and type point into texts.
struct MemberTable {
    QString texts;
    std::vector<MemberFacts> members;
};

// Everything the sections read: the prepared working copy, the switches decided during
// preparation and the module text.
struct Module {
    const cls_Class& workingCopy;
    bool attributes;
    bool databaseInterface;
    const std::vector<MemberFacts>& members;
    ModuleWriter& out;
};

// "'" followed by 139 euro signs.
const QString& separator();
// separator, the title line, separator, "'".
void writeSectionTitle(ModuleWriter& out, QStringView title);

// One function per section group, in the order they are written.
void writeModuleHead(Module& module);
void writeClassInitialize(Module& module);
void writeDataInterface(Module& module);
void writeDatabaseInterface(Module& module);
void writeAdditionalInterface(Module& module);
void writeEditorProcedures(Module& module);
void writeCustomAdditions(Module& module);

} // namespace gen
