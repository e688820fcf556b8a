#pragma once

// The rule groups behind checkTemplate and checkMember, one file each.
#include "Checks.h"
#include "Switches.h"

#include "model/Class.h"

#include <QHash>

#include <memory>

namespace gen::checks {

// Collects the findings of one subject: a template field, or a field of one member.
class Report {
public:
    explicit Report(std::vector<Finding>& findings) : m_findings(findings) {}

    Report about(const QString& field) const;
    Report aboutMember(int position, const QString& name, const QString& field) const;

    // The field's German caption, with which every message begins.
    QString caption() const;
    bool isMember() const { return m_member > 0; }

    void error(const QString& text) const { add(Severity::Error, text); }
    void warning(const QString& text) const { add(Severity::Warning, text); }

private:
    void add(Severity severity, const QString& text) const;

    std::vector<Finding>& m_findings;
    QString m_field;
    int m_member = 0;
    QString m_memberName;
};

using MemberList = std::vector<std::shared_ptr<cls_Member>>;

// Identifier rules: blanks, first character, characters, length, reserved words.
enum class IdentifierKind { Name, Type };
void checkIdentifier(const Report& report, const QString& text, IdentifierKind kind);

// Member names against each other and against the names the module declares itself. The
// index maps each upper-cased, trimmed member name to the first two positions that carry it:
// enough to name the first other member of any position.
struct FirstPositions {
    int first = 0;
    int second = 0;
};
using NameIndex = QHash<QString, FirstPositions>;
NameIndex indexNames(const MemberList& members);
void checkNameClashes(const Report& report, const QString& name, int position,
                      const NameIndex& names, const Switches& switches);

// Texts: characters outside Windows-1252, line breaks in one-line texts, custom code.
void checkEncodable(const Report& report, const QString& text);
void checkOneLineText(const Report& report, const QString& text);
void checkCustomCode(const Report& report, const QString& text);

// Options and member flags whose generated code would not compile or does nothing.
void checkTemplateOptions(const Report& report, const cls_Class& tpl, const Switches& switches);
void checkMemberFlags(const Report& templateReport, const cls_Member& member, int position,
                      const MemberList& members, const QString& className);

} // namespace gen::checks

namespace gen::checks {
// "enthält Zeichen, die Windows-1252 nicht darstellen kann ...", naming each character.
QString unencodableMessage(const QString& unencodable);
} // namespace gen::checks
