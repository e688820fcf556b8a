// hCompile: prepares the working copy and writes the sections in order.
#include "Generator.h"

#include "Module.h"
#include "corelib/HostText.h"

namespace gen {
namespace {

EditorKind editorKind(const cls_Member& member) {
    if (member.MARRAY)
        return EditorKind::None;
    const QString& type = member.MTYPE;
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

MemberFacts factsOf(const cls_Member& member) {
    MemberFacts facts;
    facts.isPublic = member.MPUBLIC;
    facts.isArray = member.MARRAY;
    facts.isDataId = member.MDATAID;
    facts.isChild = member.MCHILD;
    facts.valueType = hIsVB(member.MTYPE);
    if (member.MNOTBOUND)
        facts.role = DataRole::Unbound;
    else if (member.MARRAY)
        facts.role = DataRole::Array;
    else
        facts.role = facts.valueType ? DataRole::Value : DataRole::Object;
    facts.editor = editorKind(member);
    return facts;
}

// The member facts with every name and type copied side by side into one text, so that each
// of the many passes over a large member list reads memory in order.
MemberTable memberTable(cls_Class& workingCopy) {
    cls_Members& list = workingCopy.MEMBERS();
    const qint32 count = list.COUNT();
    std::vector<std::shared_ptr<cls_Member>> fetched;
    fetched.reserve(static_cast<std::size_t>(count));
    qsizetype textLength = 0;
    for (qint32 i = 1; i <= count; ++i) {
        fetched.push_back(list.ITEM(i, true));
        textLength += fetched.back()->MNAME.size() + fetched.back()->MTYPE.size();
    }
    MemberTable table;
    table.texts.reserve(textLength);
    for (const auto& member : fetched)
        table.texts.append(member->MNAME).append(member->MTYPE);
    table.members.reserve(fetched.size());
    qsizetype offset = 0;
    for (const auto& member : fetched) {
        MemberFacts facts = factsOf(*member);
        facts.name = QStringView(table.texts).sliced(offset, member->MNAME.size());
        offset += member->MNAME.size();
        facts.type = QStringView(table.texts).sliced(offset, member->MTYPE.size());
        offset += member->MTYPE.size();
        table.members.push_back(facts);
    }
    return table;
}

void appendLockMember(cls_Class& workingCopy, const QString& name, const QString& type) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = name;
    member->MTYPE = type;
    workingCopy.MEMBERS().DATABASE.ADD(member);
}

// Decides the database interface switch once and applies what follows from the options.
bool prepare(cls_Class& workingCopy) {
    const bool databaseInterface = !vlt::isBlank(workingCopy.DATABASE_TYPE);
    if (!databaseInterface) {
        workingCopy.DATABASE_ADVANCED = false;
        workingCopy.DATABASE_LOCK = false;
    }
    if (workingCopy.DATA_LOCK) {
        appendLockMember(workingCopy, QStringLiteral("LOCKID"), QStringLiteral("String"));
        appendLockMember(workingCopy, QStringLiteral("LOCKED"), QStringLiteral("Boolean"));
    }
    return databaseInterface;
}

// Room for the whole text at once, so the buffer is not moved while it grows.
qsizetype expectedLength(const cls_Class& workingCopy, const std::vector<MemberFacts>& members) {
    qsizetype length = 16384 + workingCopy.CUSTOM.size() + 8 * workingCopy.DATABASE_TYPE.size();
    for (const MemberFacts& facts : members)
        length += 160 + 24 * facts.name.size() + 2 * facts.type.size();
    return length;
}

} // namespace

QString hCompile(cls_Class& pTemplate, bool pAttributes) {
    cls_Class workingCopy;
    workingCopy.DATA.COPY(pTemplate);
    const bool databaseInterface = prepare(workingCopy);
    const MemberTable table = memberTable(workingCopy);

    ModuleWriter out(expectedLength(workingCopy, table.members));
    Module module{workingCopy, pAttributes, databaseInterface, table.members, out};
    writeModuleHead(module);
    writeClassInitialize(module);
    writeDataInterface(module);
    writeDatabaseInterface(module);
    writeAdditionalInterface(module);
    writeEditorProcedures(module);
    writeCustomAdditions(module);
    return out.take();
}

} // namespace gen
