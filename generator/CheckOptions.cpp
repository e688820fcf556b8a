// Options and member flags whose generated code VB6 would not compile, or that do nothing.
#include "CheckRules.h"
#include "Generator.h"
#include "VbNames.h"

#include "corelib/HostText.h"

namespace gen::checks {
namespace {

// The items' DATA objects are copied, stored and read: a value type has none.
void checkItemType(const Report& report, const QString& type) {
    if (hIsVB(type) || isIntrinsicType(vlt::trimBlanks(type)))
        report.error(QStringLiteral("\"%1\" ist keine Klasse; die Einträge einer Sammlung "
                                    "brauchen ein DATA-Objekt")
                         .arg(type));
}

void checkLockOptions(const Report& report, const cls_Class& tpl, const Switches& switches) {
    if (tpl.DATABASE_LOCK && !switches.database)
        report.about("DATABASE_LOCK")
            .warning(QStringLiteral("ist eingeschaltet, wirkt aber nur mit einem Eintragstyp; "
                                    "es werden keine Sperrfunktionen erzeugt"));
    // A class that collects itself must carry the lock members the lock functions use.
    const bool collectsItself =
        vlt::upperEquals(vlt::trimBlanks(tpl.DATABASE_TYPE), vlt::trimBlanks(tpl.CLASSNAME));
    if (switches.lockFunctions && collectsItself && !tpl.DATA_LOCK)
        report.about("DATABASE_LOCK")
            .warning(QStringLiteral("braucht LOCKID und LOCKED bei den Einträgen; die Klasse "
                                    "ist ihr eigener Eintragstyp, aber ihre Satzsperrung ist "
                                    "aus"));
}

// Only the first identifier member becomes the ID property; the others are declared nowhere.
void checkDataId(const Report& report, const cls_Member& member, bool first) {
    if (!first && member.MNOTBOUND)
        report.warning(QStringLiteral("ist schon bei einem früheren Mitglied gesetzt; dieses "
                                      "Mitglied fehlt im Modul"));
    else if (!first)
        report.error(QStringLiteral("ist schon bei einem früheren Mitglied gesetzt; dieses "
                                    "Mitglied wird nirgends deklariert, aber in der "
                                    "Datenschnittstelle benutzt"));
    else if (member.MARRAY)
        report.error(QStringLiteral("macht das Mitglied zur ID-Eigenschaft, die Class_Initialize "
                                    "nicht mit Redim anlegen kann (Datenfeld ist gesetzt)"));
    else if (!member.MNOTBOUND && !member.MPUBLIC)
        report.error(QStringLiteral("macht das Mitglied zu einer privaten ID-Eigenschaft, die "
                                    "DATA_DataCopy bei der anderen Instanz nicht erreicht"));
}

void checkDeclaredType(const Report& report, const cls_Member& member, const TypeFacts& type) {
    if (member.MDATAID || type.valueType || !type.intrinsic)
        return;
    report.error(QStringLiteral("\"%1\" wird als \"New %1\" deklariert; \"New\" geht nur mit "
                                "Klassen (ohne \"New\" schreibt der Generator nur String, Long, "
                                "Single, Integer, Double, Variant, Date und Boolean)")
                     .arg(member.MTYPE));
}

// With "New", a member of the class's own type is created on first use. The generated code
// uses a child in Class_Initialize and a bound member when packing, copying and storing, so
// every new instance creates the next one until VB6 runs out of stack space.
void checkOwnType(const Report& report, const cls_Member& member, const QString& className) {
    const bool usedByTheModule = member.MCHILD || !member.MNOTBOUND;
    if (member.MARRAY || member.MDATAID || !usedByTheModule ||
        !vlt::upperEquals(vlt::trimBlanks(member.MTYPE), vlt::trimBlanks(className)))
        return;
    report.warning(QStringLiteral("\"%1\" ist die Klasse selbst; mit \"New\" legt jede Instanz "
                                  "eine weitere an, sobald das Modul das Mitglied benutzt (%2), "
                                  "bis VB6 der Stapelspeicher ausgeht")
                       .arg(member.MTYPE, member.MCHILD
                                              ? QStringLiteral("Child: in Class_Initialize")
                                              : QStringLiteral("beim Kopieren und Speichern")));
}

} // namespace

void checkTemplateOptions(const Report& report, const cls_Class& tpl, const Switches& switches) {
    if (switches.database)
        checkItemType(report.about("DATABASE_TYPE"), tpl.DATABASE_TYPE);
    checkLockOptions(report, tpl, switches);
}

void checkMemberFlags(const Report& templateReport, const cls_Member& member, int position,
                      const TypeFacts& type, const MemberContext& context) {
    auto about = [&](const char* field) {
        return templateReport.aboutMember(position, member.MNAME, field);
    };
    checkDeclaredType(about("MTYPE"), member, type);
    checkOwnType(about("MTYPE"), member, context.className);
    if (member.MPUBLIC && member.MARRAY && !member.MDATAID)
        about("MARRAY").error(QStringLiteral("ist bei einem öffentlichen Mitglied gesetzt; es "
                                             "wird als einfache Variable deklariert, aber mit "
                                             "Redim und () benutzt"));
    if (member.MCHILD && (member.MARRAY || type.valueType))
        about("MCHILD").error(QStringLiteral("ist gesetzt, aber das Mitglied ist kein einzelnes "
                                             "Objekt; \"Set %1.hParent = Me\" geht nicht")
                                  .arg(member.MNAME));
    if (member.MDATAID)
        checkDataId(about("MDATAID"), member, context.firstDataId >= position);
}

} // namespace gen::checks
