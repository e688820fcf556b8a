// checkTemplate and checkMember: which rule runs on which field; describe.
#include "CheckRules.h"

#include "corelib/HostText.h"

#include <QHash>

namespace gen {
namespace checks {
namespace {

// The captions the window and the member dialog show beside the fields.
QString captionOf(const QString& field) {
    static const QHash<QString, QString> kCaptions{
        {QStringLiteral("CLASSNAME"), QStringLiteral("Klassenname")},
        {QStringLiteral("PROJECT"), QStringLiteral("Projekt")},
        {QStringLiteral("FILENAME"), QStringLiteral("Datei")},
        {QStringLiteral("AUTHOR"), QStringLiteral("Autor")},
        {QStringLiteral("COPYRIGHT"), QStringLiteral("Copyright")},
        {QStringLiteral("BUILD"), QStringLiteral("Datum")},
        {QStringLiteral("DESCRIPTION"), QStringLiteral("Beschreibung")},
        {QStringLiteral("CUSTOM"), QStringLiteral("Eigener Code")},
        {QStringLiteral("DATABASE_TYPE"), QStringLiteral("Eintragstyp")},
        {QStringLiteral("DATABASE_LOCK"), QStringLiteral("Satzsperrung der Datenbank")},
        {QStringLiteral("DATA_LOCK"), QStringLiteral("Satzsperrung der Datenklasse")},
        {QStringLiteral("MNAME"), QStringLiteral("Name")},
        {QStringLiteral("MTYPE"), QStringLiteral("Typ")},
        {QStringLiteral("MARRAY"), QStringLiteral("Datenfeld")},
        {QStringLiteral("MDATAID"), QStringLiteral("An ID anbinden")},
        {QStringLiteral("MCHILD"), QStringLiteral("Child")}};
    return kCaptions.value(field, field);
}

} // namespace

Report Report::about(const QString& field) const {
    Report report(m_findings);
    report.m_field = field;
    return report;
}

Report Report::aboutMember(int position, const QString& name, const QString& field) const {
    Report report = about(field);
    report.m_member = position;
    report.m_memberName = name;
    return report;
}

QString Report::caption() const {
    return captionOf(m_field);
}

void Report::add(Severity severity, const QString& text) const {
    m_findings.push_back({severity, m_field, m_member, m_memberName, caption() + u' ' + text});
}

namespace {

// Reading entries through the list's database object changes nothing; the list is only
// created on first access, so a template without one has no members.
MemberList membersOf(const cls_Class& tpl) {
    MemberList members;
    if (!tpl.hasMembers())
        return members;
    cls_Members& list = const_cast<cls_Class&>(tpl).MEMBERS();
    const qint32 count = list.COUNT();
    members.reserve(static_cast<std::size_t>(count));
    for (qint32 i = 1; i <= count; ++i)
        members.push_back(list.ITEM(i, true));
    return members;
}

void checkTemplateFields(const Report& report, const cls_Class& tpl) {
    checkIdentifier(report.about(QStringLiteral("CLASSNAME")), tpl.CLASSNAME, IdentifierKind::Name);
    const std::pair<const char*, const QString*> oneLineTexts[] = {
        {"PROJECT", &tpl.PROJECT}, {"FILENAME", &tpl.FILENAME},
        {"AUTHOR", &tpl.AUTHOR},   {"COPYRIGHT", &tpl.COPYRIGHT},
        {"BUILD", &tpl.BUILD},     {"DESCRIPTION", &tpl.DESCRIPTION}};
    for (const auto& [field, text] : oneLineTexts) {
        const Report about = report.about(QLatin1String(field));
        checkOneLineText(about, *text);
        checkEncodable(about, *text);
    }
    if (!vlt::isBlank(tpl.DATABASE_TYPE))
        checkIdentifier(report.about(QStringLiteral("DATABASE_TYPE")), tpl.DATABASE_TYPE,
                        IdentifierKind::Type);
    checkCustomCode(report.about(QStringLiteral("CUSTOM")), tpl.CUSTOM);
    checkEncodable(report.about(QStringLiteral("CUSTOM")), tpl.CUSTOM);
}

void checkOneMember(const Report& report, const cls_Member& member, int position,
                    const MemberList& members, const NameIndex& names, const Switches& switches,
                    const QString& className) {
    const Report name = report.aboutMember(position, member.MNAME, QStringLiteral("MNAME"));
    checkIdentifier(name, member.MNAME, IdentifierKind::Name);
    checkNameClashes(name, member.MNAME, position, names, switches);
    checkIdentifier(report.aboutMember(position, member.MNAME, QStringLiteral("MTYPE")),
                    member.MTYPE, IdentifierKind::Type);
    checkMemberFlags(report, member, position, members, className);
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
    for (std::size_t i = 0; i < members.size(); ++i)
        checks::checkOneMember(report, *members[i], static_cast<int>(i) + 1, members, names,
                               switches, tpl.CLASSNAME);
    return findings;
}

std::vector<Finding> checkMember(const cls_Class& tpl, const cls_Member& member, int position) {
    std::vector<Finding> findings;
    const checks::Report report(findings);
    checks::MemberList members = checks::membersOf(tpl);
    // The member takes the place of the entry it edits, or stands after the last one; the
    // list only borrows it.
    const std::shared_ptr<cls_Member> borrowed(std::shared_ptr<cls_Member>(),
                                               const_cast<cls_Member*>(&member));
    if (position >= 1 && position <= static_cast<int>(members.size()))
        members[static_cast<std::size_t>(position) - 1] = borrowed;
    else
        members.push_back(borrowed);
    const checks::NameIndex names = checks::indexNames(members);
    checks::checkOneMember(report, member, position, members, names, switchesOf(tpl),
                           tpl.CLASSNAME);
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
