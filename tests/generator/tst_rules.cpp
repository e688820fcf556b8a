#include "tst_rules.h"

#include "TemplateBuilder.h"

#include "corelib/Error.h"
#include "generator/Generator.h"
#include "generator/ModuleFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSeparator = QStringLiteral("'") + QString(139, QChar(0x20AC));
// What closes a section: five line breaks, so five empty lines stand before the next line.
const QString kSectionEnd = QStringLiteral("\r\n\r\n\r\n\r\n\r\n");

QString compile(const QString& members, const QString& options,
                const QString& databaseType = QString(), bool attributes = true) {
    auto tpl = buildTemplate(members, options, databaseType);
    return gen::hCompile(*tpl, attributes);
}

// Lines joined with CR LF, as they stand in the module.
QString lines(const QStringList& list) {
    return list.join(QStringLiteral("\r\n"));
}

QString sectionTitle(const QString& title) {
    return lines({kSeparator, title, kSeparator, QStringLiteral("'")});
}

} // namespace

void GeneratorRulesTest::firstLine_data() {
    QTest::addColumn<bool>("attributes");
    QTest::addColumn<QString>("expectedStart");
    QTest::newRow("class file") << true << QStringLiteral("\r\nVERSION 1.0 CLASS\r\nBEGIN\r\n");
    QTest::newRow("clipboard form") << false << kSeparator + QStringLiteral("\r\n'€\r\n'€  ");
}

void GeneratorRulesTest::firstLine() {
    QFETCH(bool, attributes);
    QFETCH(QString, expectedStart);
    const QString text = compile(QString(), QString(), QString(), attributes);
    QVERIFY2(text.startsWith(expectedStart), qPrintable(text.left(200)));
    QCOMPARE(text.contains(QLatin1String("Attribute VB_Name")), attributes);
}

void GeneratorRulesTest::separatorLine() {
    const QString text = compile(QString(), QString(), QString(), false);
    const QString first = text.section(QStringLiteral("\r\n"), 0, 0);
    QCOMPARE(first.size(), 140);
    QCOMPARE(first.count(QChar(0x20AC)), 139);
    QCOMPARE(first.at(0), QLatin1Char('\''));
}

void GeneratorRulesTest::isValueType_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("valueType");
    QTest::newRow("Long") << "Long" << true;
    QTest::newRow("long") << "long" << true;
    QTest::newRow("LONG") << "LONG" << true;
    QTest::newRow("all eight") << "Variant" << true;
    QTest::newRow("date") << "dAtE" << true;
    QTest::newRow("leading blank") << " Long" << false;
    QTest::newRow("trailing blank") << "String " << false;
    QTest::newRow("str_ prefix") << "str_Point" << true;
    QTest::newRow("STR_ inside") << "MySTR_x" << true;
    QTest::newRow("enm_") << "enm_Colour" << true;
    QTest::newRow("Byte") << "Byte" << false;
    QTest::newRow("Currency") << "Currency" << false;
    QTest::newRow("Object") << "Object" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("class") << "cls_Item" << false;
    QTest::newRow("long s upper-cases to S") << QStringLiteral("\u017Ftring") << true;
}

void GeneratorRulesTest::isValueType() {
    QFETCH(QString, type);
    QFETCH(bool, valueType);
    QCOMPARE(gen::hIsVB(type), valueType);
}

void GeneratorRulesTest::controlName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("control");
    QTest::newRow("lower") << "name"
                           << "Name";
    QTest::newRow("upper") << "NAME"
                           << "Name";
    QTest::newRow("camel") << "mName"
                           << "Mname";
    QTest::newRow("one character") << "x"
                                   << "X";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("umlaut") << QStringLiteral("ÄRGER") << QStringLiteral("Ärger");
    QTest::newRow("sharp s keeps its length")
        << QStringLiteral("ßTRASSE") << QStringLiteral("ßtrasse");
    QTest::newRow("blank first") << " abc"
                                 << " abc";
}

void GeneratorRulesTest::controlName() {
    QFETCH(QString, name);
    QFETCH(QString, control);
    QCOMPARE(gen::hName(name), control);
}

void GeneratorRulesTest::declaredType_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("declared");
    QTest::newRow("value") << "Long"
                           << "Long";
    QTest::newRow("class") << "cls_Item"
                           << "New cls_Item";
    QTest::newRow("empty") << ""
                           << "New ";
    QTest::newRow("blank kept") << " cls_Item"
                                << "New  cls_Item";
}

void GeneratorRulesTest::declaredType() {
    QFETCH(QString, type);
    QFETCH(QString, declared);
    QCOMPARE(gen::hNew(type), declared);
}

void GeneratorRulesTest::sectionConditions_data() {
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("databaseType");
    QTest::addColumn<bool>("attributes");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QString publicTitle = sectionTitle(QStringLiteral("'€ Public members"));
    const QString internalTitle = sectionTitle(QStringLiteral("'€ Internal members"));

    QTest::newRow("no members, no database, no parent")
        << ""
        << ""
        << "" << true << QStringList{QStringLiteral("'€ Class_Initialize()")}
        << QStringList{QStringLiteral("'€ Internal members"), QStringLiteral("'€ Public members"),
                       QStringLiteral("'€ Additional interface"), QStringLiteral("DATA.ID = pNew")};
    QTest::newRow("database on without private members")
        << "A:Long"
        << ""
        << "cls_Item" << true
        << QStringList{internalTitle + QStringLiteral("\r\nPrivate vItem() AS New cls_Item") +
                       kSectionEnd + QStringLiteral("\r\n") + kSeparator}
        << QStringList{};
    QTest::newRow("value item type")
        << ""
        << ""
        << "Long" << true << QStringList{QStringLiteral("\r\nPrivate vItem() AS Long\r\n")}
        << QStringList{};
    QTest::newRow("blanks in the item type kept")
        << ""
        << "ADV"
        << " cls_Item " << true
        << QStringList{QStringLiteral("\r\nPrivate vItem() AS New  cls_Item \r\n"),
                       QStringLiteral("= True) As  cls_Item \r\n"),
                       QStringLiteral("\r\n    Dim vEntry As New  cls_Item \r\n"),
                       QStringLiteral("ByVal pEntry As  cls_Item , Optional ByVal pID AS "
                                      "Variant) As  cls_Item \r\n")}
        << QStringList{};
    QTest::newRow("blank item type switches the database off")
        << "A:Long"
        << "ADV LOCK"
        << "   " << true << QStringList{}
        << QStringList{QStringLiteral("tmp_Database"),
                       QStringLiteral("vItem"),
                       QStringLiteral("LOCKSTATE"),
                       QStringLiteral("Public Function ITEM("),
                       QStringLiteral("Public Function LOAD("),
                       QStringLiteral("'€ Additional interface")};
    QTest::newRow("parent without public members")
        << "P:Long:priv"
        << "PARENT"
        << "" << false
        << QStringList{publicTitle +
                       QStringLiteral("\r\nPublic hParent As Object\r\nAttribute "
                                      "hParent.VB_VarMemberFlags = \"40\"") +
                       kSectionEnd + QStringLiteral("\r\n") + kSeparator}
        << QStringList{};
    QTest::newRow("member kinds in the declarations")
        << "Name:String:priv;Values:Long:priv:arr;Address:cls_Address:priv;List:cls_Item:priv:"
           "arr;Pub:Long:arr;Key:Long:id;Hidden:Long:id:priv"
        << ""
        << "" << true
        << QStringList{QStringLiteral("\r\nPrivate Name As String\r\nPrivate Values() As "
                                      "Long\r\nPrivate Address As New cls_Address\r\nPrivate "
                                      "List() As New cls_Item\r\n"),
                       QStringLiteral("\r\nPublic Pub As Long\r\n")}
        << QStringList{QStringLiteral("Public Key As"), QStringLiteral("Private Hidden As")};
    QTest::newRow("lock members come last")
        << "A:Long;B:cls_B"
        << "DATALOCK"
        << "" << true
        << QStringList{QStringLiteral("\r\nPublic A As Long\r\nPublic B As New cls_B\r\nPublic "
                                      "LOCKID As String\r\nPublic LOCKED As Boolean\r\n"),
                       QStringLiteral("PACK(DATA.ID, A, B.DATA.PACKAGE, LOCKID, LOCKED)"),
                       QStringLiteral("\r\n        .STORE LOCKID\r\n        .STORE LOCKED\r\n     "
                                      "   B.DATA.STORE pFile\r\n")}
        << QStringList{};
    QTest::newRow("data lock without members")
        << ""
        << "DATALOCK"
        << "" << true
        << QStringList{publicTitle +
                       QStringLiteral("\r\nPublic LOCKID As String\r\nPublic LOCKED "
                                      "As Boolean") +
                       kSectionEnd + QStringLiteral("\r\n") + kSeparator}
        << QStringList{QStringLiteral("'€ Internal members")};
    QTest::newRow("first identifier wins, private scope")
        << "Key:String:id:priv;Other:Long:id"
        << ""
        << "" << true
        << QStringList{QStringLiteral("'€ String = Key = String\r\n"),
                       QStringLiteral("\r\nPrivate Property Get Key() As String\r\n"),
                       QStringLiteral(
                           "\r\nPrivate Property Let Key(Byval pNewValue As String)\r\n")}
        << QStringList{QStringLiteral("Property Get Other")};
    QTest::newRow("initialize with child and array")
        << "Both:cls_B:child:arr"
        << ""
        << "Long" << true
        << QStringList{QStringLiteral(
               "\r\n    Set DATABASE = new int_Database\r\n\r\n    "
               "DATA.ACTIVEX = App.EXEName+\".\"+TypeName(Me)\r\n\r\n    Set "
               "Both.hParent = Me\r\n\r\n    Redim vItem(0)\r\n    Redim "
               "Both(0)\r\n\r\nEnd Sub\r\n")}
        << QStringList{};
    QTest::newRow("load and save alone")
        << ""
        << "LOADSAVE"
        << "" << true
        << QStringList{QStringLiteral("\r\nEnd Sub") + kSectionEnd +
                       QStringLiteral("\r\nPublic Function LOAD(")}
        << QStringList{QStringLiteral("'€ Additional interface")};
    QTest::newRow("editor alone")
        << ""
        << "EDITOR"
        << "" << true
        << QStringList{sectionTitle(QStringLiteral("'€ Additional interface")) +
                       QStringLiteral("\r\nPublic Function DLGLOAD(ByVal pDialog AS Variant) As "
                                      "Boolean\r\n\r\n    On Local Error Resume Next\r\n    \r\n "
                                      "   With pDialog\r\n    End With \r\n")}
        << QStringList{QStringLiteral("Public Function LOAD(")};
    QTest::newRow("default member only with attributes")
        << ""
        << "ADV"
        << "cls_Item" << false
        << QStringList{QStringLiteral("As cls_Item\r\n\r\n    Set ITEM = DATABASE(pID")}
        << QStringList{QStringLiteral("Attribute ITEM.VB_UserMemId")};
    QTest::newRow("editor skips arrays, objects and other value types")
        << "firstName:String;s:string;I:Integer;V:Variant;L:String:arr;O:cls_O;N:Date:nb"
        << "EDITOR"
        << "" << true
        << QStringList{QStringLiteral("If TypeName(.txt_Firstname) = \"TextBox\" Then "
                                      ".txt_Firstname.Text = firstName\r\n"),
                       QStringLiteral(".txt_S.Text = s\r\n"),
                       QStringLiteral("\r\n        .dat_N.Value = N\r\n"),
                       QStringLiteral("\r\n        N = .dat_N.Value\r\n")}
        << QStringList{QStringLiteral("txt_I"), QStringLiteral("txt_V"), QStringLiteral("txt_L"),
                       QStringLiteral("txt_O")};
    QTest::newRow("control names keep their length")
        << QStringLiteral("ßTRASSE:String;ÄRGER:Boolean;iD:Date") << "EDITOR"
        << "" << true
        << QStringList{QStringLiteral("Then .txt_ßtrasse.Text = ßTRASSE\r\n"),
                       QStringLiteral("Then ÄRGER = .opt_Ärger.Value\r\n"),
                       QStringLiteral("\r\n        .dat_Id.Value = iD\r\n")}
        << QStringList{QStringLiteral("SSTRASSE"), QStringLiteral("txt_SS")};
    QTest::newRow("unbound members stay out of the data interface")
        << "U:Long:nb;A:cls_A:arr"
        << ""
        << "" << true
        << QStringList{QStringLiteral("PACK(DATA.ID, A())"),
                       QStringLiteral("\r\n        .STORE A\r\n")}
        << QStringList{QStringLiteral(" U,"), QStringLiteral("STORE U"),
                       QStringLiteral("A.DATA.STORE"), QStringLiteral("A = .A")};
}

void GeneratorRulesTest::sectionConditions() {
    QFETCH(QString, members);
    QFETCH(QString, options);
    QFETCH(QString, databaseType);
    QFETCH(bool, attributes);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString text = compile(members, options, databaseType, attributes);
    for (const QString& expected : present)
        QVERIFY2(text.contains(expected), qPrintable(QStringLiteral("missing: ") + expected));
    for (const QString& unexpected : absent)
        QVERIFY2(!text.contains(unexpected), qPrintable(QStringLiteral("found: ") + unexpected));
}

void GeneratorRulesTest::objectMemberCounter_data() {
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("declarations");
    QTest::addColumn<QString>("unpackCall");
    QTest::addColumn<QString>("handOver");
    QTest::newRow("P value, Q object, R value, S object")
        << "P:Long;Q:cls_Q;R:String;S:cls_S"
        << "    Dim vPackage1 AS String\r\n    Dim vPackage2 AS String\r\n    \r\n"
        << "    VSTRING.PACK.UNPACK prPackage,vMyID, P, vPackage1, R, vPackage2\r\n"
        << "    DATA.ID = vMyID\r\n    Q.DATA.PACKAGE = vPackage1\r\n    S.DATA.PACKAGE = "
           "vPackage2\r\n\r\n";
    QTest::newRow("object arrays and unbound objects are not counted")
        << "A:cls_A:arr;U:cls_U:nb;O:cls_O"
        << "    Dim vPackage1 AS String\r\n    \r\n"
        << "    VSTRING.PACK.UNPACK prPackage,vMyID, A(), vPackage1\r\n"
        << "    DATA.ID = vMyID\r\n    O.DATA.PACKAGE = vPackage1\r\n\r\n";
    QTest::newRow("no object members") << "P:Long"
                                       << "    Dim vMyID AS String\r\n    \r\n"
                                       << "    VSTRING.PACK.UNPACK prPackage,vMyID, P\r\n"
                                       << "    DATA.ID = vMyID\r\n\r\nEnd Sub";
}

void GeneratorRulesTest::objectMemberCounter() {
    QFETCH(QString, members);
    QFETCH(QString, declarations);
    QFETCH(QString, unpackCall);
    QFETCH(QString, handOver);
    const QString text = compile(members, QString());
    QVERIFY2(text.contains(declarations), qPrintable(declarations));
    QVERIFY2(text.contains(unpackCall), qPrintable(unpackCall));
    QVERIFY2(text.contains(handOver), qPrintable(handOver));
}

void GeneratorRulesTest::listSeparatorCut_data() {
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("databaseType");
    QTest::addColumn<QString>("pack");
    QTest::addColumn<QString>("unpack");
    QTest::newRow("nothing but the ID") << ""
                                        << ""
                                        << "pcPackage = VSTRING.PACK.PACK(DATA.ID)\r\n"
                                        << "UNPACK prPackage,vMyID\r\n";
    QTest::newRow("items only") << ""
                                << "cls_Item"
                                << "pcPackage = VSTRING.PACK.PACK(DATA.ID, vItem())\r\n"
                                << "UNPACK prPackage,vMyID, vItem()\r\n";
    QTest::newRow("object last") << "O:cls_O"
                                 << ""
                                 << "PACK(DATA.ID, O.DATA.PACKAGE)\r\n"
                                 << "UNPACK prPackage,vMyID, vPackage1\r\n";
    QTest::newRow("only two characters are cut") << "X, :Long"
                                                 << ""
                                                 << "PACK(DATA.ID, X, )\r\n"
                                                 << "UNPACK prPackage,vMyID, X, \r\n";
}

void GeneratorRulesTest::listSeparatorCut() {
    QFETCH(QString, members);
    QFETCH(QString, databaseType);
    QFETCH(QString, pack);
    QFETCH(QString, unpack);
    const QString text = compile(members, QString(), databaseType);
    QVERIFY2(text.contains(pack), qPrintable(pack));
    QVERIFY2(text.contains(unpack), qPrintable(unpack));
}

void GeneratorRulesTest::customSectionEnd_data() {
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("expectedEnd");
    const QString head = sectionTitle(QStringLiteral("'€ Custom additions"));
    QTest::newRow("code") << "Dim x" << head + QStringLiteral("\r\nDim x\r\n    ");
    QTest::newRow("ends in a line break") << "A\r\nB\r\n"
                                          << head + QStringLiteral("\r\nA\r\nB\r\n\r\n    ");
    QTest::newRow("blanks around kept") << "  x  " << head + QStringLiteral("\r\n  x  \r\n    ");
    QTest::newRow("a tab is not blank") << "\t" << head + QStringLiteral("\r\n\t\r\n    ");
    QTest::newRow("a line break is not blank") << "\r\n"
                                               << head + QStringLiteral("\r\n\r\n\r\n    ");
    QTest::newRow("blanks only are left out") << "    " << QStringLiteral("End Sub") + kSectionEnd;
    QTest::newRow("empty is left out") << "" << QStringLiteral("End Sub") + kSectionEnd;
}

void GeneratorRulesTest::customSectionEnd() {
    QFETCH(QString, custom);
    QFETCH(QString, expectedEnd);
    auto tpl = buildTemplate(QString(), QString());
    tpl->CUSTOM = custom;
    const QString text = gen::hCompile(*tpl, true);
    QVERIFY2(text.endsWith(expectedEnd), qPrintable(text.right(300)));
}

void GeneratorRulesTest::templateUnchanged() {
    auto tpl = buildTemplate(QStringLiteral("A:Long"), QStringLiteral("ADV LOCK DATALOCK"),
                             QStringLiteral("  "));
    const QString before = tpl->DATA.PACKAGE();
    const QString text = gen::hCompile(*tpl, true);
    QCOMPARE(tpl->DATA.PACKAGE(), before);
    QCOMPARE(tpl->MEMBERS().COUNT(), 1);
    QVERIFY(tpl->DATABASE_ADVANCED);
    QVERIFY(tpl->DATABASE_LOCK);
    QVERIFY(text.contains(QLatin1String("Public LOCKED As Boolean")));
    QCOMPARE(gen::hCompile(*tpl, true), text);
}

void GeneratorRulesTest::encoding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("ascii") << "Dim x\r\n" << QByteArray("Dim x\r\n") << "";
    QTest::newRow("euro sign is 0x80") << QStringLiteral("'€€") << QByteArray("'\x80\x80") << "";
    QTest::newRow("latin-1 range")
        << QStringLiteral("äöüßÿ") << QByteArray("\xE4\xF6\xFC\xDF\xFF") << "";
    QTest::newRow("code page block")
        << QStringLiteral("\u201E\u2122\u0178\u0152") << QByteArray("\x84\x99\x9F\x8C") << "";
    QTest::newRow("undefined byte has no character")
        << QStringLiteral("a\u0081b\u009D") << QByteArray("a?b?") << QStringLiteral("\u0081\u009D");
    QTest::newRow("other characters, each reported once")
        << QStringLiteral("ΩxΩ\u4E2D") << QByteArray("?x??") << QStringLiteral("Ω\u4E2D");
    QTest::newRow("outside the BMP is one character")
        << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << QStringLiteral("\U0001F600");
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD800)) << QByteArray("?") << QString(QChar(0xD800));
    QTest::newRow("NUL stays") << QString(QChar(0)) << QByteArray(1, '\0') << "";
}

void GeneratorRulesTest::encoding() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, replaced);
    const gen::EncodedModule encoded = gen::encodeModule(text);
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(encoded.replaced, replaced);
}

void GeneratorRulesTest::moduleFileWritesEncodedBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cls_Test.cls"));
    auto tpl = buildTemplate(QStringLiteral("Größe:Long"), QStringLiteral("EDITOR"));
    tpl->DESCRIPTION = QStringLiteral("Ω");
    const QString text = gen::hCompile(*tpl, true);
    QCOMPARE(gen::writeModuleFile(path, text), QStringLiteral("Ω"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), gen::encodeModule(text).bytes);
}

void GeneratorRulesTest::moduleFileFailureKeepsTarget() {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("fehlt/cls_Test.cls"));
    try {
        gen::writeModuleFile(missingFolder, QStringLiteral("x"));
        QFAIL("writing into a missing folder must fail");
    } catch (const vlt::Error& error) {
        QVERIFY2(error.message().contains(QLatin1String("cls_Test.cls")),
                 qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(missingFolder));
}
