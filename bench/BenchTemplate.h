#pragma once

#include "model/Class.h"

#include <QString>
#include <memory>

// The template bench/e2e.sh generates: every option on, members of every kind (text, number,
// flag, date, object, array, child, unbound), no findings.
inline void fillBenchTemplate(cls_Class& t, qint64 memberCount) {
    static const QString types[] = {"String", "Long",     "Boolean", "Date",
                                    "Double", "cls_Teil", "Integer", "str_Punkt"};
    t.CLASSNAME = QStringLiteral("cls_Gross");
    t.COMPILED = QStringLiteral("cls_Gross.cls");
    t.DATABASE_TYPE = QStringLiteral("cls_Posten");
    t.CUSTOM = QStringLiteral("Public Sub X()\r\nEnd Sub");
    t.DATABASE_ADVANCED = t.DATABASE_LOCK = t.DATA_PARENT = true;
    t.DATA_LOADSAVE = t.DATA_LOCK = t.DATA_EDITOR = true;
    for (qint64 i = 0; i < memberCount; ++i) {
        const qint64 kind = i % 8;
        auto member = std::make_shared<cls_Member>();
        member->MNAME = QStringLiteral("Feld%1").arg(i);
        member->MTYPE = types[kind];
        member->MPUBLIC = i % 7 != 3 && kind != 6;
        member->MARRAY = kind == 6;
        member->MNOTBOUND = i % 11 == 5;
        member->MCHILD = kind == 5;
        t.MEMBERS().DATABASE.ADD(member);
    }
}
