#pragma once

#include <QString>
#include <vector>

class cls_Class;
class cls_Member;

namespace gen {

// How bad a finding is: Error when VB6 will reject the module, Warning when the module is
// legal but probably not what the user meant.
enum class Severity { Error, Warning };

// One problem of a template. Findings never change the generated module and never stop
// generating or saving.
struct Finding {
    Severity severity = Severity::Error;
    // The template field: "CLASSNAME", "PROJECT", ..., "CUSTOM", "DATABASE_TYPE", an option
    // such as "DATABASE_LOCK", or a member field ("MNAME", "MTYPE", "MARRAY", ...).
    QString field;
    int member = 0; // 1-based position for member fields, 0 for template fields
    QString memberName;
    QString message; // German, beginning with the field's caption
};

// Every finding of a template, template fields first, then the members in list order.
std::vector<Finding> checkTemplate(const cls_Class& tpl);

// The findings of one member as it would stand at position in tpl's member list (a new
// member stands at COUNT + 1); other members are compared with it but not checked.
std::vector<Finding> checkMember(const cls_Class& tpl, const cls_Member& member, int position);

// One German line: where, how bad, what ("Mitglied 3 "Liefer Datum": Fehler: Name enthält
// ein Leerzeichen").
QString describe(const Finding& finding);

} // namespace gen
