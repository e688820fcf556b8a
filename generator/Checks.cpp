// checkTemplate and checkMember: which rule runs on which field; describe.
#include "CheckRules.h"
#include "Generator.h"
#include "VbNames.h"

#include "corelib/HostText.h"

#include <cstring>
#include <utility>

namespace gen {
namespace checks {
namespace {

// The captions the window and the member dialog show beside the fields.
QString captionOf(const char* field) {
    static constexpr std::pair<const char*, const char16_t*> kCaptions[] = {
        {"CLASSNAME", u"Klassenname"},
        {"PROJECT", u"Projekt"},
        {"FILENAME", u"Datei"},
        {"AUTHOR", u"Autor"},
        {"COPYRIGHT", u"Copyright"},
        {"BUILD", u"Datum"},
        {"DESCRIPTION", u"Beschreibung"},
        {"CUSTOM", u"Eigener Code"},
        {"DATABASE_TYPE", u"Eintragstyp"},
        {"DATABASE_LOCK", u"Satzsperrung der Datenbank"},
        {"MNAME", u"Name"},
        {"MTYPE", u"Typ"},
        {"MARRAY", u"Datenfeld"},
        {"MDATAID", u"An ID anbinden"},
        {"MCHILD", u"Child"}};
    for (const auto& [name, caption] : kCaptions)
        if (std::strcmp(name, field) == 0)
            return QString::fromUtf16(caption);
    return QString::fromLatin1(field);
}

} // namespace

Report Report::about(const char* field) const {
    Report report(m_findings);
    report.m_field = field;
    return report;
}

Report Report::aboutMember(int position, const QString& name, const char* field) const {
    Report report = about(field);
    report.m_member = position;
    report.m_memberName = &name;
    return report;
}

QString Report::caption() const {
    return captionOf(m_field);
}

void Report::add(Severity severity, const QString& text) const {
    m_findings.push_back({severity, QString::fromLatin1(m_field), m_member,
                          m_memberName ? *m_memberName : QString(), caption() + u' ' + text});
}

TypeFacts typeFactsOf(const QString& type) {
    std::vector<Finding> findings;
    checkIdentifier(Report(findings), type, IdentifierKind::Type);
    return {findings.empty(), hIsVB(type), isIntrinsicType(vlt::trimBlanks(type))};
}

namespace {

// A template without a member list has no members; asking for the list would create one.
MemberList membersOf(const cls_Class& tpl) {
    return tpl.hasMembers() ? const_cast<cls_Class&>(tpl).MEMBERS().entries() : MemberList();
}

void checkTemplateFields(const Report& report, const cls_Class& tpl) {
    checkIdentifier(report.about("CLASSNAME"), tpl.CLASSNAME, IdentifierKind::Name);
    const std::pair<const char*, const QString*> oneLineTexts[] = {
        {"PROJECT", &tpl.PROJECT}, {"FILENAME", &tpl.FILENAME},
        {"AUTHOR", &tpl.AUTHOR},   {"COPYRIGHT", &tpl.COPYRIGHT},
        {"BUILD", &tpl.BUILD},     {"DESCRIPTION", &tpl.DESCRIPTION}};
    for (const auto& [field, text] : oneLineTexts) {
        const Report about = report.about(field);
        checkOneLineText(about, *text);
        checkEncodable(about, *text);
    }
    if (!vlt::isBlank(tpl.DATABASE_TYPE))
        checkIdentifier(report.about("DATABASE_TYPE"), tpl.DATABASE_TYPE, IdentifierKind::Type);
    checkCustomCode(report.about("CUSTOM"), tpl.CUSTOM);
    checkEncodable(report.about("CUSTOM"), tpl.CUSTOM);
}

void checkOneMember(const Report& report, const cls_Member& member, int position,
                    const MemberContext& context) {
    const Report name = report.aboutMember(position, member.MNAME, "MNAME");
    checkIdentifier(name, member.MNAME, IdentifierKind::Name,
                    context.names.upperHashes[static_cast<std::size_t>(position) - 1]);
    checkNameClashes(name, member.MNAME, position, context);
    const TypeFacts& type = context.types.of(member.MTYPE, typeFactsOf);
    if (!type.clean)
        checkIdentifier(report.aboutMember(position, member.MNAME, "MTYPE"), member.MTYPE,
                        member.MDATAID ? IdentifierKind::PlainType : IdentifierKind::Type);
    checkControlName(name, member, type, context.switches);
    checkMemberFlags(report, member, position, type, context);
}

} // namespace
} // namespace checks

std::vector<Finding> checkTemplate(const cls_Class& tpl) {
    std::vector<Finding> findings;
    const checks::Report report(findings);
    const Switches switches = switchesOf(tpl);
    const checks::MemberList members = checks::membersOf(tpl);
    checks::checkTemplateFields(report, tpl);
    checks::checkTemplateOptions(report, tpl, switches);
    const checks::NameIndex names = checks::indexNames(members);
    TypeMemo<checks::TypeFacts> types;
    const checks::MemberContext context{types,    members,       names,
                                        switches, tpl.CLASSNAME, checks::firstDataIdOf(members)};
    for (std::size_t i = 0; i < members.size(); ++i)
        checks::checkOneMember(report, *members[i], static_cast<int>(i) + 1, context);
    return findings;
}

std::vector<Finding> checkMember(const cls_Class& tpl, const cls_Member& member, int position) {
    std::vector<Finding> findings;
    const checks::Report report(findings);
    const checks::MemberList listed = checks::membersOf(tpl);
    std::vector<std::shared_ptr<cls_Member>> members(listed.begin(), listed.end());
    // The member takes the place of the entry it edits, or stands after the last one; the
    // list only borrows it.
    const std::shared_ptr<cls_Member> borrowed(std::shared_ptr<cls_Member>(),
                                               const_cast<cls_Member*>(&member));
    if (position >= 1 && position <= static_cast<int>(members.size())) {
        members[static_cast<std::size_t>(position) - 1] = borrowed;
    } else {
        members.push_back(borrowed);
        position = static_cast<int>(members.size());
    }
    const checks::NameIndex names = checks::indexNames(members);
    const Switches switches = switchesOf(tpl);
    TypeMemo<checks::TypeFacts> types;
    const checks::MemberContext context{types,    members,       names,
                                        switches, tpl.CLASSNAME, checks::firstDataIdOf(members)};
    checks::checkOneMember(report, member, position, context);
    return findings;
}

QString describe(const Finding& finding) {
    const QString severity =
        finding.severity == Severity::Error ? QStringLiteral("Fehler") : QStringLiteral("Warnung");
    if (finding.member == 0)
        return severity + QStringLiteral(": ") + finding.message;
    // A finding is one line, even about a name that holds a line break.
    QString name = finding.memberName;
    name.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return QStringLiteral("Mitglied %1 \"%2\": %3: %4")
        .arg(QString::number(finding.member), name, severity, finding.message);
}

} // namespace gen
