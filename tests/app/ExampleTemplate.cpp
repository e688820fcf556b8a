#include "ExampleTemplate.h"

namespace {

void addMember(cls_Class& owner, const QString& name, const QString& type, bool isPublic,
               bool isDataId = false, bool isNotBound = false) {
    auto vMember = std::make_shared<cls_Member>();
    vMember->MNAME = name;
    vMember->MTYPE = type;
    vMember->MPUBLIC = isPublic;
    vMember->MDATAID = isDataId;
    vMember->MNOTBOUND = isNotBound;
    owner.MEMBERS().DATABASE.ADD(vMember);
}

} // namespace

std::shared_ptr<cls_Class> kundeTemplate() {
    auto vTemplate = std::make_shared<cls_Class>();
    cls_Class& t = *vTemplate;
    t.CLASSNAME = QStringLiteral("cls_Kunde");
    t.FILENAME = QStringLiteral("cls_Kunde.cls");
    t.PROJECT = QStringLiteral("Veltrane Commonwork 3.0");
    t.AUTHOR = QStringLiteral("Hal Tremaine");
    t.COPYRIGHT = QStringLiteral("(c) 2026 Veltrane");
    t.BUILD = QStringLiteral("2026-12-06");
    t.DESCRIPTION = QStringLiteral("Kundenstamm mit Anschrift und Kreditlimit");
    t.DATABASE_ADVANCED = true;
    t.DATA_LOADSAVE = true;
    t.DATA_EDITOR = true;
    t.CUSTOM = QStringLiteral("Public Function hAnzeigename() As String\r\n"
                              "    hAnzeigename = NACHNAME & \", \" & VORNAME\r\n"
                              "End Function");
    addMember(t, QStringLiteral("KUNDENNR"), QStringLiteral("Long"), true, true, true);
    addMember(t, QStringLiteral("NACHNAME"), QStringLiteral("String"), true);
    addMember(t, QStringLiteral("VORNAME"), QStringLiteral("String"), true);
    addMember(t, QStringLiteral("STRASSE"), QStringLiteral("String"), true);
    addMember(t, QStringLiteral("ORT"), QStringLiteral("String"), true);
    addMember(t, QStringLiteral("KREDITLIMIT"), QStringLiteral("Double"), true);
    addMember(t, QStringLiteral("ERFASST"), QStringLiteral("Date"), false);
    return vTemplate;
}
