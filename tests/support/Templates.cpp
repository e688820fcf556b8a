#include "Templates.h"

namespace {

QString escaped(QString text) {
    return text.replace(u'\\', u"\\\\"_s).replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s);
}

QString flag(bool value) {
    return value ? u"1"_s : u"0"_s;
}

} // namespace

void buildTemplate(cls_Class& tpl, const QString& members, const QString& options,
                   const QString& itemType) {
    const std::pair<const char*, bool cls_Class::*> optionFields[] = {
        {"ADV", &cls_Class::DATABASE_ADVANCED},  {"LOCK", &cls_Class::DATABASE_LOCK},
        {"LOADSAVE", &cls_Class::DATA_LOADSAVE}, {"DATALOCK", &cls_Class::DATA_LOCK},
        {"EDITOR", &cls_Class::DATA_EDITOR},     {"PARENT", &cls_Class::DATA_PARENT}};
    const std::pair<const char*, bool cls_Member::*> flags[] = {{"arr", &cls_Member::MARRAY},
                                                                {"id", &cls_Member::MDATAID},
                                                                {"nb", &cls_Member::MNOTBOUND},
                                                                {"child", &cls_Member::MCHILD}};
    tpl.CLASSNAME = u"cls_Test"_s;
    tpl.DATABASE_TYPE = itemType;
    for (const auto& [option, field] : optionFields)
        tpl.*field = options.split(u' ').contains(QLatin1String(option));
    for (const QString& description : members.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = description.split(u':');
        auto member = makeMember(parts.value(0), parts.value(1));
        member->MPUBLIC = !parts.contains("priv"_L1);
        for (const auto& [flag, field] : flags)
            (*member).*field = parts.contains(QLatin1String(flag));
        tpl.MEMBERS().DATABASE.ADD(member);
    }
}

std::shared_ptr<cls_Member> makeMember(const QString& name, const QString& type) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = name;
    member->MTYPE = type;
    return member;
}

void fillEveryField(cls_Class& tpl) {
    tpl.CLASSNAME = u"cls_Kunde"_s;
    tpl.PROJECT = u"Projekt \"Süd\""_s;
    tpl.FILENAME = u"kunde.cls"_s;
    tpl.AUTHOR = u"Grete Müller"_s;
    tpl.COPYRIGHT = u"(c) 2001 Firma"_s;
    tpl.BUILD = u"2001-02-03"_s;
    tpl.DESCRIPTION = u"Kunden\\daten\r\nzweite Zeile"_s;
    tpl.COMPILED = u"/tmp/vorher.cls"_s;
    tpl.CUSTOM = u"' vorher\r\nPublic X As Long\n"_s + QString::fromUcs4(U"\U0001F600");
    tpl.DATABASE_TYPE = u" cls_Posten "_s;
    // No two options share their values here and in the version files, so a swap shows.
    tpl.DATABASE_ADVANCED = true;
    tpl.DATABASE_LOCK = true;
    tpl.DATA_EDITOR = true;
    cls_Members& list = tpl.MEMBERS();
    list.NAME = u"Mitglieder"_s;
    list.AUTHOR = u"A:1"_s;
    auto id = makeMember(u"ID"_s, u"Long"_s);
    id->MDATAID = true;
    auto items = makeMember(u"Posten"_s, u"cls_Posten"_s);
    items->MPUBLIC = false;
    items->MARRAY = true;
    items->MCHILD = true;
    auto note = makeMember(QString(), QString());
    note->MARRAY = true;
    note->MNOTBOUND = true;
    for (const auto& member : {id, items, note})
        list.DATABASE.ADD(member);
}

QString describe(const cls_Member& member) {
    return escaped(member.MNAME) + u'|' + escaped(member.MTYPE) + u'|' + flag(member.MPUBLIC) +
           flag(member.MARRAY) + flag(member.MDATAID) + flag(member.MNOTBOUND) +
           flag(member.MCHILD);
}

QStringList describe(cls_Members& list) {
    QStringList lines{u"list|%1|%2|%3"_s.arg(escaped(list.NAME), escaped(list.AUTHOR),
                                             escaped(list.DESCRIPTION))};
    for (qint32 i = 1; i <= list.COUNT(); ++i)
        lines.append(describe(*list.ITEM(i, true)));
    return lines;
}

QStringList describe(cls_Class& tpl) {
    const std::pair<const char*, QString cls_Class::*> texts[] = {
        {"CLASSNAME", &cls_Class::CLASSNAME},     {"PROJECT", &cls_Class::PROJECT},
        {"FILENAME", &cls_Class::FILENAME},       {"AUTHOR", &cls_Class::AUTHOR},
        {"COPYRIGHT", &cls_Class::COPYRIGHT},     {"BUILD", &cls_Class::BUILD},
        {"DESCRIPTION", &cls_Class::DESCRIPTION}, {"COMPILED", &cls_Class::COMPILED},
        {"CUSTOM", &cls_Class::CUSTOM},           {"DATABASE_TYPE", &cls_Class::DATABASE_TYPE}};
    const std::pair<const char*, bool cls_Class::*> options[] = {
        {"DATABASE_ADVANCED", &cls_Class::DATABASE_ADVANCED},
        {"DATABASE_LOCK", &cls_Class::DATABASE_LOCK},
        {"DATA_PARENT", &cls_Class::DATA_PARENT},
        {"DATA_LOADSAVE", &cls_Class::DATA_LOADSAVE},
        {"DATA_LOCK", &cls_Class::DATA_LOCK},
        {"DATA_EDITOR", &cls_Class::DATA_EDITOR}};
    QStringList lines;
    for (const auto& [name, field] : texts)
        lines.append(QLatin1String(name) + u'=' + escaped(tpl.*field));
    for (const auto& [name, field] : options)
        lines.append(QLatin1String(name) + u'=' + flag(tpl.*field));
    return lines + describe(tpl.MEMBERS());
}
