#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "corelib/VString.h"

class RecordTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void copyIsDeepAndLeavesIdentifiers() {
        cls_Class original;
        fillEveryField(original);
        original.DATA.ID = 9;
        original.MEMBERS().ITEM(1, true)->DATA.ID = u"id"_s;
        const QStringList before = describe(original);
        cls_Class copy;
        copy.MEMBERS().DATABASE.ADD(makeMember(u"alt"_s));
        copy.DATA.COPY(original);
        QCOMPARE(describe(copy), before);
        copy.MEMBERS().ITEM(1, true)->MNAME = u"Geändert"_s;
        copy.MEMBERS().DATABASE.REMOVE(2, true);
        QCOMPARE(describe(original), before);
        QVERIFY(copy.DATA.ID.isEmpty());
        QVERIFY(copy.MEMBERS().ITEM(1, true)->DATA.ID.isEmpty());
        cls_Member member;
        QCOMPARE(errorOf([&] { copy.DATA.COPY(member); }),
                 "Typen unverträglich: nur eine Klassenvorlage kann in eine Klassenvorlage kopiert "
                 "werden.");
        QCOMPARE(errorOf([&] { member.DATA.COPY(copy); }),
                 "Typen unverträglich: nur ein Mitglied kann in ein Mitglied kopiert werden.");
        // The records' names as the generated modules give theirs: program, dot, class.
        QCOMPARE(QStringList({copy.DATA.ACTIVEX, copy.MEMBERS().DATA.ACTIVEX, member.DATA.ACTIVEX}),
                 QStringList(
                     {"test_model.cls_Class", "test_model.cls_Members", "test_model.cls_Member"}));
    }

    // The package has DATA_PARENT before DATA_EDITOR and CUSTOM last.
    void packageOrder() {
        cls_Members list;
        list.DATABASE.ADD(makeMember(u"M"_s));
        const QString package = vlt::VSTRING.PACK.PACK(
            {list.DATA.PACKAGE(), u"c"_s, u"p"_s, u"f"_s, u"a"_s, u"r"_s, u"b"_s, u"d"_s, u"x"_s,
             u"t"_s, false, true, false, true, true, false, u"custom"_s});
        cls_Class tpl;
        tpl.DATA.setPACKAGE(package);
        QCOMPARE(describe(tpl),
                 (QStringList{"CLASSNAME=c", "PROJECT=p", "FILENAME=f", "AUTHOR=a", "COPYRIGHT=r",
                              "BUILD=b", "DESCRIPTION=d", "COMPILED=x", "CUSTOM=custom",
                              "DATABASE_TYPE=t", "DATABASE_ADVANCED=0", "DATABASE_LOCK=1",
                              "DATA_PARENT=1", "DATA_LOADSAVE=0", "DATA_LOCK=1", "DATA_EDITOR=0",
                              "list|||", "M|String|10000"}));
        QCOMPARE(tpl.DATA.PACKAGE(), package);
    }

    void memberListFile_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << QString();
        QTest::newRow("sealed") << u"Kennwort"_s;
    }
    void memberListFile() {
        QFETCH(QString, password);
        cls_Class tpl;
        fillEveryField(tpl);
        tpl.MEMBERS().DATA.ID = 12;
        const QString file = m_dir.filePath(u"liste.vlt-mbr"_s);
        QVERIFY(tpl.MEMBERS().SAVE(file, password));
        cls_Members back;
        QVERIFY(back.LOAD(file, password));
        QCOMPARE(describe(back), describe(tpl.MEMBERS()));
        QVERIFY(back.DATA.ID == vlt::Variant(12));
        QCOMPARE(readBytes(file).startsWith("VLTFILE 1 SEALED\n"), !password.isEmpty());
        cls_Members other;
        other.DATABASE.ADD(makeMember(u"bleibt"_s));
        QVERIFY(!other.LOAD(file, password + u"x"_s));
        QVERIFY(!other.LOAD(testData(u"templates/template-1.3.vlt-ctf"_s)));
        QCOMPARE(describe(other).last(), u"bleibt|String|10000"_s);
    }
};
CLASSSHAPER_TEST(RecordTest);

#include "tst_records.moc"
