// The template of what a module shows: its fields, its options, and its members in an order
// that every member list of the module agrees with.
#include "ImportFacts.h"
#include "ImportText.h"

#include "Generator.h"
#include "TypeMemo.h"

#include <QHash>
#include <algorithm>
#include <queue>

namespace gen::importing {
namespace {

// Everything the module says about one member.
struct Evidence {
    ModuleValue name;
    const DeclaredMember* declaration = nullptr;
    bool declaredPublic = false;
    bool packed = false;
    PackedAs role = PackedAs::Value;
    bool child = false;
    bool array = false;
    EditorKind editor = EditorKind::None;
};

// The members in order of their first appearance in the module, and each member list of the
// module as positions among them.
class MemberGraph {
public:
    explicit MemberGraph(std::size_t expected) {
        m_index.reserve(qsizetype(expected));
        m_members.reserve(expected);
        m_edges.reserve(6 * expected);
    }

    int node(ModuleValue name) {
        auto found = m_index.constFind(name);
        if (found != m_index.constEnd())
            return found.value();
        m_members.push_back({name});
        return m_index.insert(name, int(m_members.size()) - 1).value();
    }
    Evidence& operator[](int node) { return m_members[std::size_t(node)]; }
    std::vector<Evidence>& members() { return m_members; }

    // The members of one list, one after the other.
    void addList(const std::vector<int>& list) {
        for (std::size_t k = 1; k < list.size(); ++k)
            if (list[k - 1] != list[k])
                m_edges.emplace_back(list[k - 1], list[k]);
    }
    void addEdge(int before, int after) { m_edges.emplace_back(before, after); }

    // An order that keeps every list's order; members that no list orders come as they
    // first appeared. Lists that contradict each other (a module edited by hand) are
    // satisfied as far as they can be.
    std::vector<int> order() const;

private:
    QHash<QByteArrayView, int> m_index;
    std::vector<Evidence> m_members;
    std::vector<std::pair<int, int>> m_edges;
};

std::vector<int> MemberGraph::order() const {
    const std::size_t count = m_members.size();
    std::vector<int> indegree(count, 0), start(count + 1, 0), targets(m_edges.size());
    for (const auto& [before, after] : m_edges) {
        ++indegree[std::size_t(after)];
        ++start[std::size_t(before) + 1];
    }
    for (std::size_t i = 0; i < count; ++i)
        start[i + 1] += start[i];
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (const auto& [before, after] : m_edges)
        targets[std::size_t(fill[std::size_t(before)]++)] = after;

    std::priority_queue<int, std::vector<int>, std::greater<int>> ready;
    for (std::size_t i = 0; i < count; ++i)
        if (indegree[i] == 0)
            ready.push(int(i));
    std::vector<bool> placed(count, false);
    std::vector<int> result;
    result.reserve(count);
    std::size_t firstUnplaced = 0;
    while (result.size() < count) {
        if (ready.empty()) {
            // A cycle: the earliest member still waiting goes next.
            while (placed[firstUnplaced])
                ++firstUnplaced;
            ready.push(int(firstUnplaced));
        }
        const int next = ready.top();
        ready.pop();
        if (placed[std::size_t(next)])
            continue;
        placed[std::size_t(next)] = true;
        result.push_back(next);
        for (int k = start[std::size_t(next)]; k < start[std::size_t(next) + 1]; ++k)
            if (--indegree[std::size_t(targets[std::size_t(k)])] == 0)
                ready.push(targets[std::size_t(k)]);
    }
    return result;
}

// LOCKID and LOCKED after all members, as the data lock adds them.
bool endsWithLockMembers(const ModuleFacts& facts) {
    const auto& declared = facts.publicMembers;
    const auto& packed = facts.packed;
    const std::size_t d = declared.size(), p = packed.size();
    return d >= 2 && p >= 2 && declared[d - 2].name == "LOCKID" &&
           declared[d - 2].type == "String" && declared[d - 1].name == "LOCKED" &&
           declared[d - 1].type == "Boolean" && packed[p - 2].name == "LOCKID" &&
           packed[p - 1].name == "LOCKED";
}

void dropLockMembers(ModuleFacts& facts) {
    facts.publicMembers.resize(facts.publicMembers.size() - 2);
    facts.packed.resize(facts.packed.size() - 2);
    const std::size_t b = facts.bound.size();
    if (b >= 2 && facts.bound[b - 2].name == "LOCKID" && facts.bound[b - 1].name == "LOCKED")
        facts.bound.resize(b - 2);
}

ModuleValue name(ModuleValue item) {
    return item;
}
template <typename Item> ModuleValue name(const Item& item) {
    return item.name;
}

template <typename Item, typename Record>
void addList(MemberGraph& graph, const std::vector<Item>& items, Record record) {
    std::vector<int> list;
    list.reserve(items.size());
    for (const Item& item : items) {
        const int node = graph.node(name(item));
        record(graph[node], item);
        list.push_back(node);
    }
    graph.addList(list);
}

// A type for a member the module declares nowhere (an ID member after the first), chosen so
// that it gives the lines the module has: the editor's kind of control, a value or an object.
QString undeclaredType(const Evidence& member, bool editor) {
    switch (member.editor) {
    case EditorKind::Text:
        return QStringLiteral("String");
    case EditorKind::Number:
        return QStringLiteral("Long");
    case EditorKind::Flag:
        return QStringLiteral("Boolean");
    case EditorKind::Date:
        return QStringLiteral("Date");
    case EditorKind::None:
        break;
    }
    if (member.packed && member.role == PackedAs::Object)
        return QStringLiteral("Object");
    if (editor && !member.array)
        return QStringLiteral("Variant");
    return QStringLiteral("String");
}

// One text per distinct type, shared by the members that have it.
using TypeTexts = TypeMemo<QString, ModuleValue>;

std::shared_ptr<cls_Member> memberOf(const Evidence& evidence, const ModuleFacts& facts,
                                     TypeTexts& types) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = textOf(evidence.name);
    member->MARRAY = evidence.array || (evidence.declaration && evidence.declaration->arrayMark) ||
                     (evidence.packed && evidence.role == PackedAs::Array);
    member->MCHILD = evidence.child;
    member->MNOTBOUND = !evidence.packed;
    if (evidence.declaration) {
        member->MTYPE = types.of(evidence.declaration->type, textOf);
        member->MPUBLIC = evidence.declaredPublic;
    } else if (facts.id && facts.id->name == evidence.name) {
        member->MDATAID = true;
        member->MTYPE = textOf(facts.id->type);
        member->MPUBLIC = facts.id->isPublic;
    } else {
        member->MDATAID = true;
        member->MTYPE = undeclaredType(evidence, facts.editor);
    }
    return member;
}

void addMembers(cls_Class& tpl, ModuleFacts& facts) {
    tpl.DATA_LOCK = endsWithLockMembers(facts);
    if (tpl.DATA_LOCK)
        dropLockMembers(facts);
    MemberGraph graph(facts.internalMembers.size() + facts.publicMembers.size() +
                      facts.packed.size());
    addList(graph, facts.internalMembers,
            [](Evidence& e, const DeclaredMember& d) { e.declaration = &d; });
    addList(graph, facts.publicMembers, [](Evidence& e, const DeclaredMember& d) {
        e.declaration = &d;
        e.declaredPublic = true;
    });
    addList(graph, facts.children, [](Evidence& e, ModuleValue) { e.child = true; });
    addList(graph, facts.arrays, [](Evidence& e, ModuleValue) { e.array = true; });
    const int id = facts.id ? graph.node(facts.id->name) : -1;
    addList(graph, facts.packed, [](Evidence& e, const PackedMember& p) {
        e.packed = true;
        e.role = p.role;
    });
    addList(graph, facts.bound, [](Evidence& e, const BoundMember& b) { e.editor = b.kind; });
    // The ID property belongs to the first member bound to the ID.
    for (int node = 0; id >= 0 && node < int(graph.members().size()); ++node)
        if (node != id && !graph[node].declaration)
            graph.addEdge(id, node);
    cls_Members& members = tpl.MEMBERS();
    TypeTexts types;
    for (const int node : graph.order())
        members.DATABASE.ADD(memberOf(graph[node], facts, types));
}

void setOptions(cls_Class& tpl, const ModuleFacts& facts) {
    tpl.DATABASE_TYPE = facts.database ? textOf(facts.databaseType) : QString();
    // Without the database interface the module cannot tell these two; they keep a new
    // template's values.
    if (facts.database) {
        tpl.DATABASE_ADVANCED = facts.collectionFunctions;
        tpl.DATABASE_LOCK = facts.lockFunctions;
    }
    // The collection functions bring LOAD and SAVE along.
    tpl.DATA_LOADSAVE = facts.fileFunctions && !facts.collectionFunctions;
    tpl.DATA_PARENT = facts.parent;
    tpl.DATA_EDITOR = facts.editor;
}

} // namespace

std::shared_ptr<cls_Class> templateOf(ModuleFacts& facts) {
    auto tpl = std::make_shared<cls_Class>();
    tpl->CLASSNAME = textOf(facts.className);
    tpl->PROJECT = textOf(facts.project);
    tpl->FILENAME = textOf(facts.fileName);
    tpl->AUTHOR = textOf(facts.author);
    tpl->COPYRIGHT = textOf(facts.copyright);
    tpl->BUILD = textOf(facts.build);
    tpl->DESCRIPTION = textOf(facts.description);
    tpl->CUSTOM = facts.custom;
    setOptions(*tpl, facts);
    addMembers(*tpl, facts);
    return tpl;
}

} // namespace gen::importing
