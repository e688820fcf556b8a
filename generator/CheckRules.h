#pragma once

// The rule groups behind checkTemplate and checkMember, one file each.
#include "Checks.h"
#include "Switches.h"
#include "TypeMemo.h"

#include "corelib/BulkMemory.h"
#include "model/Class.h"

#include <memory>
#include <span>

namespace gen::checks {

// Collects the findings of one subject: a template field, or a field of one member. It only
// refers to the field's name and the member's name, so making one costs nothing.
class Report {
public:
    explicit Report(std::vector<Finding>& findings) : m_findings(findings) {}

    Report about(const char* field) const;
    Report aboutMember(int position, const QString& name, const char* field) const;

    // The field's German caption, with which every message begins.
    QString caption() const;
    bool isMember() const { return m_member > 0; }

    void error(const QString& text) const { add(Severity::Error, text); }
    void warning(const QString& text) const { add(Severity::Warning, text); }

private:
    void add(Severity severity, const QString& text) const;

    std::vector<Finding>& m_findings;
    const char* m_field = "";
    int m_member = 0;
    const QString* m_memberName = nullptr;
};

using MemberList = std::span<const std::shared_ptr<cls_Member>>;

// Identifier rules: blanks, first character, characters, length, reserved words. A plain type
// is written after "As" without "New" in front, where tabs before it are blanks like any other.
enum class IdentifierKind { Name, Type, PlainType };
void checkIdentifier(const Report& report, const QString& text, IdentifierKind kind);
// The same, with vlt::upperHash of the trimmed text known.
void checkIdentifier(const Report& report, const QString& text, IdentifierKind kind,
                     quint32 trimmedHash);

// For each member position, the first other position whose trimmed name VB6 takes for the same
// name (0: none). Built by sorting name hashes, so a million members need no table of names.
struct NameIndex {
    vlt::BulkVector<int> firstOther;
    vlt::BulkVector<quint32> upperHashes; // of each trimmed name, for the name rules to reuse
};
NameIndex indexNames(MemberList members);

// What the member checks need to know of a type text.
struct TypeFacts {
    bool clean = false;     // the identifier rules find nothing in it
    bool valueType = false; // hIsVB
    bool intrinsic = false; // a type VB6 knows without a reference
};
TypeFacts typeFactsOf(const QString& type);
// What the checks of every member compare it with.
struct MemberContext {
    TypeMemo<TypeFacts>& types;
    MemberList members;
    const NameIndex& names;
    const Switches& switches;
    const QString& className;
    int firstDataId = 0; // the first member bound to the ID; 0 when there is none
};
int firstDataIdOf(MemberList members);

// The editor's control name of a member ("txt_" and the name with its first letter upper-cased)
// must be a name VB6 takes too.
void checkControlName(const Report& report, const cls_Member& member, const TypeFacts& type,
                      const Switches& switches);

// Member names against each other and against the names the module declares itself.
void checkNameClashes(const Report& report, const QString& name, int position,
                      const MemberContext& context);

// Texts: characters outside Windows-1252, line breaks in one-line texts, custom code.
void checkEncodable(const Report& report, const QString& text);
void checkOneLineText(const Report& report, const QString& text);
void checkCustomCode(const Report& report, const QString& text);

// Options and member flags whose generated code would not compile or does nothing.
void checkTemplateOptions(const Report& report, const cls_Class& tpl, const Switches& switches);
void checkMemberFlags(const Report& templateReport, const cls_Member& member, int position,
                      const TypeFacts& type, const MemberContext& context);

} // namespace gen::checks

namespace gen::checks {
// "enthält Zeichen, die Windows-1252 nicht darstellen kann ...", naming each character.
QString unencodableMessage(const QString& unencodable);
} // namespace gen::checks
