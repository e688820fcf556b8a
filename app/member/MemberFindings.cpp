#include "MemberFindings.h"

#include "generator/Checks.h"
#include "model/Class.h"

#include <QStringList>

QString memberFindingsText(const cls_Class& tpl, const cls_Member& member, int position) {
    QStringList lines;
    for (const gen::Finding& finding : gen::checkMember(tpl, member, position))
        lines.append((finding.severity == gen::Severity::Error ? QStringLiteral("Fehler: ")
                                                               : QStringLiteral("Warnung: ")) +
                     finding.message);
    return lines.join(u'\n');
}

int memberPosition(cls_Class& tpl, const cls_Member& member) {
    cls_Members& members = tpl.MEMBERS();
    const qint32 count = members.COUNT();
    for (qint32 i = 1; i <= count; ++i)
        if (members.ITEM(i, true).get() == &member)
            return i;
    return count + 1;
}
