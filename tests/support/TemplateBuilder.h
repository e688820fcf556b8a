#pragma once

#include "model/Class.h"

#include <QStringList>
#include <memory>

// Builds templates from short descriptions so that test rows stay one line each.
// Members: "Name:Type[:flag...]" separated by ";", flags priv, arr, id, nb, child.
// Options: any of ADV LOCK LOADSAVE DATALOCK EDITOR PARENT, separated by blanks.
inline std::unique_ptr<cls_Class> buildTemplate(const QString& members, const QString& options,
                                                const QString& databaseType = QString()) {
    auto tpl = std::make_unique<cls_Class>();
    tpl->CLASSNAME = QStringLiteral("cls_Test");
    tpl->COPYRIGHT = QStringLiteral("(c) 2026 Veltrane");
    tpl->BUILD = QStringLiteral("2026-01-15");
    tpl->DATABASE_TYPE = databaseType;
    const QStringList flags = options.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    tpl->DATABASE_ADVANCED = flags.contains(QLatin1String("ADV"));
    tpl->DATABASE_LOCK = flags.contains(QLatin1String("LOCK"));
    tpl->DATA_LOADSAVE = flags.contains(QLatin1String("LOADSAVE"));
    tpl->DATA_LOCK = flags.contains(QLatin1String("DATALOCK"));
    tpl->DATA_EDITOR = flags.contains(QLatin1String("EDITOR"));
    tpl->DATA_PARENT = flags.contains(QLatin1String("PARENT"));
    for (const QString& description : members.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = description.split(QLatin1Char(':'));
        auto member = std::make_shared<cls_Member>();
        member->MNAME = parts.value(0);
        member->MTYPE = parts.value(1);
        member->MPUBLIC = !parts.contains(QLatin1String("priv"));
        member->MARRAY = parts.contains(QLatin1String("arr"));
        member->MDATAID = parts.contains(QLatin1String("id"));
        member->MNOTBOUND = parts.contains(QLatin1String("nb"));
        member->MCHILD = parts.contains(QLatin1String("child"));
        tpl->MEMBERS().DATABASE.ADD(member);
    }
    return tpl;
}
