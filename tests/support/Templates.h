#pragma once

#include "Literals.h"
#include "model/Class.h"

#include <QStringList>
#include <memory>

// Members "Name:Type[:flag...]" separated by ";", flags priv, arr, id, nb, child; options any
// of ADV LOCK LOADSAVE DATALOCK EDITOR PARENT separated by blanks. The class is "cls_Test".
void buildTemplate(cls_Class& tpl, const QString& members, const QString& options = QString(),
                   const QString& itemType = QString());

std::shared_ptr<cls_Member> makeMember(const QString& name, const QString& type = u"String"_s);

// A template whose every field and member flag differs from the defaults, with line breaks,
// backslashes, quotes and a character outside the BMP; templates/every-field.vlt-ctf holds it.
void fillEveryField(cls_Class& tpl);

// One line per field, "NAME=value" in the order of the class's public members, then
// "list|NAME|AUTHOR|DESCRIPTION" and one "name|type|flags" per member (flags as 0/1 in the
// order MPUBLIC MARRAY MDATAID MNOTBOUND MCHILD). Backslash, CR and LF are written \\, \r, \n.
// Written out by hand on purpose: it must not share the model's field tables.
QStringList describe(cls_Class& tpl);
QStringList describe(cls_Members& list);
QString describe(const cls_Member& member);
