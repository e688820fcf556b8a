#pragma once

#include "Module.h"

#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// What the importer reads from a class module, each value as the module writes it (a view of
// its Windows-1252 bytes), before the template is made from it.
namespace gen::importing {

using ModuleValue = QByteArrayView;

struct DeclaredMember {
    ModuleValue name;
    ModuleValue type;       // without the "New " in front of an object type
    bool arrayMark = false; // "Private NAME() As ..."
};

enum class PackedAs : quint8 { Value, Object, Array };

struct PackedMember {
    ModuleValue name;
    PackedAs role;
};

// A member bound to an editor control by DLGLOAD.
struct BoundMember {
    ModuleValue name;
    EditorKind kind;
};

struct IdProperty {
    ModuleValue name;
    ModuleValue type;
    bool isPublic = true;
};

struct ModuleFacts {
    bool attributes = false;
    ModuleValue className;
    ModuleValue project, fileName, author, copyright, build, description;
    bool database = false;
    ModuleValue databaseType;
    std::vector<DeclaredMember> internalMembers, publicMembers;
    bool parent = false;
    std::vector<ModuleValue> children, arrays;
    std::optional<IdProperty> id;
    std::vector<PackedMember> packed;
    bool lockFunctions = false, collectionFunctions = false, fileFunctions = false;
    bool editor = false;
    std::vector<BoundMember> bound;
    // The custom additions, and before them what the module holds that the generator does not
    // write (procedures and comments added by hand), one piece after the other.
    QString custom;
};

// Where the module leaves the shape the generator writes: the line (counted from 1) and a
// German description of what was expected there.
struct ShapeMismatch {
    qsizetype line;
    QString reason;
};

class ModuleText;

// Reads the sections of a module in the generator's order; raises ShapeMismatch.
ModuleFacts readModuleFacts(const ModuleText& module);

// The template that generates what the facts show. The lock members are taken out of the
// facts' member lists when the data lock added them.
std::shared_ptr<cls_Class> templateOf(ModuleFacts& facts);

} // namespace gen::importing
