#pragma once

#include "model/AppState.h"
#include "model/Class.h"
#include "support/TestFiles.h"

#include "corelib/Error.h"

#include <QDir>
#include <QFile>
#include <QStringList>

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

inline QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Every field and member of a template, and what the application keeps about it.
inline QStringList snapshot(const AppState& app) {
    cls_Class& t = *app.currentTemplate;
    QStringList lines{t.CLASSNAME, t.PROJECT,     t.FILENAME, t.AUTHOR, t.COPYRIGHT,
                      t.BUILD,     t.DESCRIPTION, t.COMPILED, t.CUSTOM, t.DATABASE_TYPE};
    for (bool flag : {t.DATABASE_ADVANCED, t.DATABASE_LOCK, t.DATA_PARENT, t.DATA_LOADSAVE,
                      t.DATA_LOCK, t.DATA_EDITOR})
        lines.append(flag ? QStringLiteral("1") : QStringLiteral("0"));
    cls_Members& list = t.MEMBERS();
    lines << list.NAME << list.AUTHOR << list.DESCRIPTION;
    for (qint32 i = 1; i <= list.COUNT(); ++i) {
        const auto m = list.ITEM(i, true);
        lines << m->MNAME + QLatin1Char('|') + m->MTYPE + QLatin1Char('|') +
                     QString::number(m->MPUBLIC) + QString::number(m->MARRAY) +
                     QString::number(m->MDATAID) + QString::number(m->MNOTBOUND) +
                     QString::number(m->MCHILD);
    }
    lines << QStringLiteral("path=") + app.currentTemplatePath
          << QStringLiteral("changed=") + QString::number(app.changed);
    return lines;
}

inline void addMember(cls_Class& t, const QString& name, const QString& type) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = name;
    member->MTYPE = type;
    t.MEMBERS().DATABASE.ADD(member);
}

// A template that uses every kind of value the file holds.
inline void fillTemplate(cls_Class& t, const QString& name) {
    t.CLASSNAME = name;
    t.DESCRIPTION = QStringLiteral("Zeile 1\r\nZeile \\2 ") + QString::fromUcs4(U"\U0001F600");
    t.COMPILED = QStringLiteral("/tmp/") + name + QStringLiteral(".cls");
    t.CUSTOM = QStringLiteral("Public Sub X()\r\nEnd Sub\r\n");
    t.DATABASE_TYPE = QStringLiteral("cls_Posten");
    t.DATA_LOADSAVE = true;
    t.DATA_EDITOR = true;
    t.MEMBERS().NAME = QStringLiteral("Liste");
    addMember(t, QStringLiteral("Nummer"), QStringLiteral("Long"));
    addMember(t, QStringLiteral("Name"), QStringLiteral("String"));
}
