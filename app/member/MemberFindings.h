#pragma once

#include <QString>

class cls_Class;
class cls_Member;

// The findings of the checks for one member as the member dialog shows them while the user
// types: one German line each, empty when there are none. OK still goes through.
QString memberFindingsText(const cls_Class& tpl, const cls_Member& member, int position);

// Where the member stands in the template's list, or COUNT + 1 for a new one.
int memberPosition(cls_Class& tpl, const cls_Member& member);
