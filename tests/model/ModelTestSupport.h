#pragma once

#include "model/Class.h"
#include "support/TestFiles.h"

#include "corelib/Error.h"

#include <QMetaType>
#include <QStringList>

Q_DECLARE_METATYPE(vlt::Variant)

inline QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// One member as "name|type|public array dataid notbound child", e.g. "Nr|Long|10000".
inline QString describe(const cls_Member& m) {
    return m.MNAME + QLatin1Char('|') + m.MTYPE + QLatin1Char('|') + flag(m.MPUBLIC) +
           flag(m.MARRAY) + flag(m.MDATAID) + flag(m.MNOTBOUND) + flag(m.MCHILD);
}

inline QStringList describe(cls_Members& list) {
    QStringList lines{QStringLiteral("list|") + list.NAME + QLatin1Char('|') + list.AUTHOR +
                      QLatin1Char('|') + list.DESCRIPTION};
    for (qint32 i = 1; i <= list.COUNT(); ++i)
        lines.append(describe(*list.ITEM(i, true)));
    return lines;
}

// Every field of a template as "NAME=value", then its list.
inline QStringList describe(cls_Class& t) {
    QStringList lines{
        QStringLiteral("CLASSNAME=") + t.CLASSNAME,
        QStringLiteral("PROJECT=") + t.PROJECT,
        QStringLiteral("FILENAME=") + t.FILENAME,
        QStringLiteral("AUTHOR=") + t.AUTHOR,
        QStringLiteral("COPYRIGHT=") + t.COPYRIGHT,
        QStringLiteral("BUILD=") + t.BUILD,
        QStringLiteral("DESCRIPTION=") + t.DESCRIPTION,
        QStringLiteral("COMPILED=") + t.COMPILED,
        QStringLiteral("CUSTOM=") + t.CUSTOM,
        QStringLiteral("DATABASE_TYPE=") + t.DATABASE_TYPE,
        QStringLiteral("DATABASE_ADVANCED=") + flag(t.DATABASE_ADVANCED),
        QStringLiteral("DATABASE_LOCK=") + flag(t.DATABASE_LOCK),
        QStringLiteral("DATA_PARENT=") + flag(t.DATA_PARENT),
        QStringLiteral("DATA_LOADSAVE=") + flag(t.DATA_LOADSAVE),
        QStringLiteral("DATA_LOCK=") + flag(t.DATA_LOCK),
        QStringLiteral("DATA_EDITOR=") + flag(t.DATA_EDITOR),
    };
    return lines + describe(t.MEMBERS());
}

inline std::shared_ptr<cls_Member> makeMember(const QString& name,
                                              const QString& type = QStringLiteral("String")) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = name;
    member->MTYPE = type;
    return member;
}

// A template whose every field differs from the defaults and from the hand-made files.
inline void fillEveryField(cls_Class& t) {
    t.CLASSNAME = QStringLiteral("cls_Kunde");
    t.PROJECT = QStringLiteral("Projekt \"Süd\"");
    t.FILENAME = QStringLiteral("kunde.cls");
    t.AUTHOR = QStringLiteral("Grete Müller");
    t.COPYRIGHT = QStringLiteral("(c) 2001 Firma");
    t.BUILD = QStringLiteral("2001-02-03");
    t.DESCRIPTION = QStringLiteral("Kunden\\daten\r\nzweite Zeile");
    t.COMPILED = QStringLiteral("/tmp/vorher.cls");
    t.CUSTOM = QStringLiteral("' vorher\r\nPublic X As Long\n") + QChar(0) +
               QString::fromUcs4(U"\U0001F600");
    t.DATABASE_TYPE = QStringLiteral(" cls_Posten ");
    t.DATABASE_ADVANCED = true;
    t.DATABASE_LOCK = false;
    t.DATA_PARENT = false;
    t.DATA_LOADSAVE = true;
    t.DATA_LOCK = false;
    t.DATA_EDITOR = true;
    t.MEMBERS().NAME = QStringLiteral("Mitglieder");
    t.MEMBERS().AUTHOR = QStringLiteral("A:1");
    t.MEMBERS().DESCRIPTION = QString();
    auto id = makeMember(QStringLiteral("ID"), QStringLiteral("Long"));
    id->MDATAID = true;
    auto posten = makeMember(QStringLiteral("Posten"), QStringLiteral("cls_Posten"));
    posten->MPUBLIC = false;
    posten->MARRAY = true;
    posten->MCHILD = true;
    auto note = makeMember(QString(), QString());
    note->MNOTBOUND = true;
    t.MEMBERS().DATABASE.ADD(id);
    t.MEMBERS().DATABASE.ADD(posten);
    t.MEMBERS().DATABASE.ADD(note);
}
