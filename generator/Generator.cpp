// hCompile and writeModule: decide the switches and member facts once, write the sections in
// order.
#include "Generator.h"

#include "Module.h"
#include "TypeMemo.h"
#include "corelib/HostText.h"

namespace gen {
namespace {

EditorKind editorKind(const QString& type) {
    if (vlt::upperEquals(type, QLatin1StringView("STRING")))
        return EditorKind::Text;
    if (vlt::upperEquals(type, QLatin1StringView("LONG")) ||
        vlt::upperEquals(type, QLatin1StringView("SINGLE")) ||
        vlt::upperEquals(type, QLatin1StringView("DOUBLE")))
        return EditorKind::Number;
    if (vlt::upperEquals(type, QLatin1StringView("BOOLEAN")))
        return EditorKind::Flag;
    if (vlt::upperEquals(type, QLatin1StringView("DATE")))
        return EditorKind::Date;
    return EditorKind::None;
}

// What a member's type alone decides.
struct TypeKinds {
    bool valueType = false;
    EditorKind editor = EditorKind::None;
};

TypeKinds typeKindsOf(const QString& type) {
    return {hIsVB(type), editorKind(type)};
}

MemberFacts factsOf(const cls_Member& member, const TypeKinds& kinds) {
    MemberFacts facts;
    facts.nameText = QStringView(member.MNAME).utf16();
    facts.controlText = facts.nameText;
    facts.nameSize = quint32(member.MNAME.size());
    facts.typeText = QStringView(member.MTYPE).utf16();
    facts.typeSize = quint32(member.MTYPE.size());
    facts.isPublic = member.MPUBLIC;
    facts.isArray = member.MARRAY;
    facts.isDataId = member.MDATAID;
    facts.isChild = member.MCHILD;
    facts.valueType = kinds.valueType;
    if (member.MNOTBOUND)
        facts.role = DataRole::Unbound;
    else if (member.MARRAY)
        facts.role = DataRole::Array;
    else
        facts.role = facts.valueType ? DataRole::Value : DataRole::Object;
    facts.editor = member.MARRAY ? EditorKind::None : kinds.editor;
    return facts;
}

const cls_Member& lockMember(const char16_t* name, const char16_t* type) {
    auto* member = new cls_Member;
    member->MNAME = QString::fromUtf16(name);
    member->MTYPE = QString::fromUtf16(type);
    return *member;
}

// The template's members in list order, then LOCKID and LOCKED when the data lock is on. The
// control names that hName spells differently from their member's name are gathered into one
// block, each spelled once for the many passes over the members.
struct MemberTable {
    vlt::BulkVector<MemberFacts> facts;
    vlt::BulkVector<char16_t> controlNames;
};

// Calls visit for each member in module order.
template <class Visit> void forEachMember(cls_Class& tpl, Visit visit) {
    static const cls_Member& lockId = lockMember(u"LOCKID", u"String");
    static const cls_Member& locked = lockMember(u"LOCKED", u"Boolean");
    for (const std::shared_ptr<cls_Member>& member : tpl.MEMBERS().entries())
        visit(*member);
    if (tpl.DATA_LOCK) {
        visit(lockId);
        visit(locked);
    }
}

MemberTable memberTable(cls_Class& tpl) {
    std::size_t count = 0;
    std::size_t respelled = 0;
    forEachMember(tpl, [&](const cls_Member& member) {
        ++count;
        if (!isSpelledName(member.MNAME))
            respelled += std::size_t(member.MNAME.size());
    });
    MemberTable table;
    table.facts.reserve(count);
    table.controlNames.resize(respelled);
    char16_t* spelled = table.controlNames.data();
    TypeMemo<TypeKinds> types;
    forEachMember(tpl, [&](const cls_Member& member) {
        MemberFacts& facts =
            table.facts.emplace_back(factsOf(member, types.of(member.MTYPE, typeKindsOf)));
        if (!isSpelledName(member.MNAME)) {
            spellName(member.MNAME, spelled);
            facts.controlText = spelled;
            spelled += member.MNAME.size();
        }
    });
    return table;
}

class StringSink : public TextSink {
public:
    void write(QStringView text) override { m_text.append(text); }
    QString take() { return std::move(m_text); }

private:
    QString m_text;
};

} // namespace

void writeModule(cls_Class& tpl, bool attributes, bool trace, TextSink& sink) {
    const MemberTable members = memberTable(tpl);
    ModuleWriter out(sink, trace);
    Module module{tpl, attributes, switchesOf(tpl), members.facts, out};
    writeModuleHead(module);
    writeInterfaces(module);
    writeInternalMembers(module);
    writePublicMembers(module);
    writeClassInitialize(module);
    writeDataInterface(module);
    writeDatabaseInterface(module);
    writeAdditionalInterface(module);
    writeCustomAdditions(module);
    out.finish();
}

QString hCompile(cls_Class& pTemplate, bool pAttributes) {
    StringSink sink;
    writeModule(pTemplate, pAttributes, false, sink);
    return sink.take();
}

} // namespace gen
