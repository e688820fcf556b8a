#include "ModelTestSupport.h"

#include "corelib/VString.h"

#include <QDate>
#include <QtTest>

using vlt::Variant;

namespace {

// A list of members named by the letters of `names`, in that order.
void fill(cls_Members& list, const QString& names) {
    for (const QChar name : names)
        list.DATABASE.ADD(makeMember(name));
}

QString names(cls_Members& list) {
    QString result;
    for (qint32 i = 1; i <= list.COUNT(); ++i)
        result += list.ITEM(i, true)->MNAME;
    return result;
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT

private slots:
    void templateDefaults() {
        cls_Class t;
        const QDate today = QDate::currentDate();
        QCOMPARE(t.CLASSNAME, QStringLiteral("cls_NoName"));
        QCOMPARE(t.PROJECT, QStringLiteral("Veltrane Commonwork 3.0"));
        QCOMPARE(t.FILENAME, QStringLiteral("cls_NoName.cls"));
        QCOMPARE(t.AUTHOR, QStringLiteral("Hal Tremaine"));
        QCOMPARE(t.COPYRIGHT, QStringLiteral("(c) %1 Veltrane").arg(today.year()));
        QCOMPARE(t.BUILD, today.toString(QStringLiteral("yyyy-MM-dd")));
        QCOMPARE(t.DESCRIPTION, QStringLiteral("Data storage class"));
        QVERIFY(t.COMPILED.isEmpty() && t.CUSTOM.isEmpty() && t.DATABASE_TYPE.isEmpty());
        QVERIFY(t.DATABASE_ADVANCED);
        QVERIFY(!t.DATABASE_LOCK && !t.DATA_PARENT && !t.DATA_LOADSAVE && !t.DATA_LOCK &&
                !t.DATA_EDITOR);
        QCOMPARE(t.DATA.ACTIVEX, QStringLiteral("test_model.cls_Class"));
        QVERIFY(&t.tmp_Data_DATA() == &t.DATA);
    }

    void fileNameDoesNotFollowClassName() {
        cls_Class t;
        t.CLASSNAME = QStringLiteral("cls_Kunde");
        QCOMPARE(t.FILENAME, QStringLiteral("cls_NoName.cls"));
    }

    void membersCreatedOnFirstAccess() {
        cls_Class t;
        QVERIFY(!t.hasMembers());
        QCOMPARE(t.MEMBERS().COUNT(), 0);
        QVERIFY(t.hasMembers());
        QVERIFY(&t.MEMBERS() == &t.MEMBERS());
    }

    void memberDefaults() {
        cls_Member m;
        QCOMPARE(describe(m), QStringLiteral("|String|10000"));
        QVERIFY(m.DATA.ID.isEmpty());
        QCOMPARE(m.DATA.ACTIVEX, QStringLiteral("test_model.cls_Member"));
        cls_Members list;
        QCOMPARE(list.DATA.ACTIVEX, QStringLiteral("test_model.cls_Members"));
        QVERIFY(&list.tmp_Database_DATABASE() == &list.DATABASE);
    }

    void spawnGivesDefaults() {
        cls_Class t;
        fillEveryField(t);
        auto spawned = std::dynamic_pointer_cast<cls_Class>(t.DATA.SPAWN());
        QVERIFY(spawned);
        QCOMPARE(describe(*spawned), describe(*std::make_shared<cls_Class>()));
        cls_Member m;
        m.MNAME = QStringLiteral("X");
        auto child = std::dynamic_pointer_cast<cls_Member>(m.DATA.SPAWN());
        QVERIFY(child);
        QCOMPARE(describe(*child), describe(cls_Member()));
    }

    void importKeepsOrder() {
        cls_Members list;
        fill(list, QStringLiteral("ABC"));
        QCOMPARE(list.COUNT(), 3);
        QCOMPARE(list.DATABASE.COUNT(), 3);
        QCOMPARE(names(list), QStringLiteral("ABC"));
    }

    void remove_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("after");
        QTest::newRow("first of three") << QStringLiteral("ABC") << 1 << QStringLiteral("CB");
        QTest::newRow("middle of four") << QStringLiteral("ABCD") << 2 << QStringLiteral("ADC");
        QTest::newRow("last of three") << QStringLiteral("ABC") << 3 << QStringLiteral("AB");
        QTest::newRow("only entry") << QStringLiteral("A") << 1 << QString();
    }
    void remove() {
        QFETCH(QString, before);
        QFETCH(int, position);
        QFETCH(QString, after);
        cls_Members list;
        fill(list, before);
        QVERIFY(list.DATABASE.REMOVE(position, true));
        QCOMPARE(names(list), after);
        QCOMPARE(list.COUNT(), after.size());
    }

    void outOfRange_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("position");
        QTest::newRow("item past end") << QStringLiteral("item") << 3;
        QTest::newRow("item negative") << QStringLiteral("item") << -1;
        QTest::newRow("itemobj past end") << QStringLiteral("itemobj") << 3;
        QTest::newRow("remove 0") << QStringLiteral("remove") << 0;
        QTest::newRow("remove past end") << QStringLiteral("remove") << 3;
    }
    void outOfRange() {
        QFETCH(QString, operation);
        QFETCH(int, position);
        cls_Members list;
        fill(list, QStringLiteral("AB"));
        const QString message = errorOf([&] {
            if (operation == QLatin1String("item"))
                list.ITEM(position, true);
            else if (operation == QLatin1String("itemobj"))
                list.DATABASE.ITEMOBJ(position, true);
            else
                list.DATABASE.REMOVE(position, true);
        });
        QVERIFY2(message.contains(QStringLiteral("Index")), qPrintable(message));
        QCOMPARE(names(list), QStringLiteral("AB"));
    }

    void positionZeroYieldsEmptyMember() {
        cls_Members list;
        fill(list, QStringLiteral("AB"));
        list.ITEM(1, true)->MTYPE = QStringLiteral("Long");
        for (const auto& entry : {list.DATABASE.ITEM(0, true), list.DATABASE.ITEMOBJ(0, true)}) {
            auto member = std::dynamic_pointer_cast<cls_Member>(entry);
            QVERIFY(member);
            QCOMPARE(describe(*member), describe(cls_Member()));
            member->MNAME = QStringLiteral("Z");
        }
        QCOMPARE(list.COUNT(), 2);
        QCOMPARE(names(list), QStringLiteral("AB"));
    }

    void search_data() {
        QTest::addColumn<QList<Variant>>("ids");
        QTest::addColumn<Variant>("wanted");
        QTest::addColumn<int>("position");
        const auto text = [](const char* t) { return Variant(QString::fromUtf8(t)); };
        QTest::newRow("blanks and case")
            << QList<Variant>{text("X"), text("ABC")} << text(" abc ") << 2;
        QTest::newRow("entry with blanks") << QList<Variant>{text("abc  ")} << text("ABC") << 1;
        QTest::newRow("lowest wins")
            << QList<Variant>{text("q"), text("Abc"), text("aBC")} << text("abc") << 2;
        QTest::newRow("no match") << QList<Variant>{text("a"), text("b")} << text("c") << 0;
        QTest::newRow("tab is no blank") << QList<Variant>{text("abc")} << text("abc\t") << 0;
        QTest::newRow("inner blanks kept") << QList<Variant>{text("a bc")} << text("abc") << 0;
        QTest::newRow("number") << QList<Variant>{Variant(1), Variant(7)} << Variant(7.0) << 2;
        QTest::newRow("number never text") << QList<Variant>{text("7")} << Variant(7) << 0;
        QTest::newRow("unset entry matches 0")
            << QList<Variant>{Variant(3), Variant()} << Variant(0) << 2;
        QTest::newRow("unset entry matches empty text")
            << QList<Variant>{text("a"), Variant()} << text("  ") << 2;
        QTest::newRow("empty list") << QList<Variant>{} << text("a") << 0;
    }
    void search() {
        QFETCH(QList<Variant>, ids);
        QFETCH(Variant, wanted);
        QFETCH(int, position);
        cls_Members list;
        for (const Variant& id : ids)
            list.DATABASE.ADD(makeMember(QStringLiteral("m")), id);
        qint32 found = -1;
        list.DATABASE_DatabaseSEARCH(found, wanted);
        QCOMPARE(found, position);
        QCOMPARE(list.DATABASE.EXISTS(wanted), position > 0);
        const auto item = list.DATABASE.ITEM(wanted);
        QCOMPARE(item.get(), position > 0 ? list.ITEM(position, true).get() : nullptr);
    }

    void importWithoutIdentifierLeavesItUnset() {
        cls_Members list;
        auto member = makeMember(QStringLiteral("A"));
        list.DATABASE.ADD(member);
        QVERIFY(member->DATA.ID.isEmpty());
        auto named = makeMember(QStringLiteral("B"));
        named->DATA.ID = 5;
        list.DATABASE.ADD(named, Variant::missing());
        QVERIFY(named->DATA.ID == Variant(5));
        list.DATABASE.ADD(makeMember(QStringLiteral("C")), Variant());
        QCOMPARE(list.ITEM(3, true)->DATA.ID.kind(), Variant::Kind::Empty);
    }

    void importRefusesOtherRecords() {
        cls_Members list;
        fill(list, QStringLiteral("A"));
        QVERIFY(!errorOf([&] { list.DATABASE.ADD(std::make_shared<cls_Class>()); }).isEmpty());
        QCOMPARE(names(list), QStringLiteral("A"));
    }

    void clearDropsEverything() {
        cls_Members list;
        fill(list, QStringLiteral("ABC"));
        list.DATABASE.CLEAR();
        QCOMPARE(list.COUNT(), 0);
        fill(list, QStringLiteral("D"));
        QCOMPARE(names(list), QStringLiteral("D"));
    }

    void copyIsDeep() {
        cls_Class original;
        fillEveryField(original);
        original.DATA.ID = 9;
        original.MEMBERS().ITEM(1, true)->DATA.ID = QStringLiteral("id");
        const QStringList before = describe(original);
        cls_Class copy;
        copy.DATA.COPY(original);
        QCOMPARE(describe(copy), before);
        copy.MEMBERS().ITEM(1, true)->MNAME = QStringLiteral("Geändert");
        copy.MEMBERS().DATABASE.ADD(makeMember(QStringLiteral("LOCKID")));
        copy.MEMBERS().DATABASE.REMOVE(2, true);
        copy.MEMBERS().NAME = QStringLiteral("anders");
        QCOMPARE(describe(original), before);
        QVERIFY(copy.DATA.ID.isEmpty());
        QVERIFY(copy.MEMBERS().ITEM(1, true)->DATA.ID.isEmpty());
    }

    void copyReplacesTheTargetsList() {
        cls_Class original;
        fillEveryField(original);
        cls_Class target;
        target.MEMBERS().DATABASE.ADD(makeMember(QStringLiteral("alt")));
        target.DATA.COPY(original);
        QCOMPARE(describe(target.MEMBERS()), describe(original.MEMBERS()));
    }

    void copyFromOtherClassFails() {
        cls_Class t;
        cls_Member m;
        QVERIFY(!errorOf([&] { t.DATA.COPY(m); }).isEmpty());
        QVERIFY(!errorOf([&] { m.DATA.COPY(t); }).isEmpty());
    }

    void packageRoundTrip() {
        cls_Class original;
        fillEveryField(original);
        original.MEMBERS().DATA.ID = QStringLiteral("S3:abc");
        cls_Class back;
        back.DATA.setPACKAGE(original.DATA.PACKAGE());
        QCOMPARE(describe(back), describe(original));
        QVERIFY(back.MEMBERS().DATA.ID == original.MEMBERS().DATA.ID);
    }

    void emptyListPackageRoundTrip() {
        cls_Members empty;
        cls_Members back;
        back.DATABASE.ADD(makeMember(QStringLiteral("alt")));
        back.DATA.setPACKAGE(empty.DATA.PACKAGE());
        QCOMPARE(back.COUNT(), 0);
        QVERIFY(back.DATA.ID.isEmpty());
    }

    // The package of a template has DATA_PARENT before DATA_EDITOR and CUSTOM last.
    void packageOrder() {
        cls_Members list;
        fill(list, QStringLiteral("M"));
        const QString package = vlt::VSTRING.PACK.PACK(
            {list.DATA.PACKAGE(), QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("f"),
             QStringLiteral("a"), QStringLiteral("r"), QStringLiteral("b"), QStringLiteral("d"),
             QStringLiteral("x"), QStringLiteral("t"), false, true, false, true, true, false,
             QStringLiteral("custom")});
        cls_Class t;
        t.DATA.setPACKAGE(package);
        QCOMPARE(describe(t).mid(0, 16),
                 (QStringList{"CLASSNAME=c", "PROJECT=p", "FILENAME=f", "AUTHOR=a", "COPYRIGHT=r",
                              "BUILD=b", "DESCRIPTION=d", "COMPILED=x", "CUSTOM=custom",
                              "DATABASE_TYPE=t", "DATABASE_ADVANCED=0", "DATABASE_LOCK=1",
                              "DATA_PARENT=1", "DATA_LOADSAVE=0", "DATA_LOCK=1", "DATA_EDITOR=0"}));
        QCOMPARE(names(t.MEMBERS()), QStringLiteral("M"));
    }

    void damagedPackageFailsCleanly_data() {
        QTest::addColumn<int>("cut");
        QTest::newRow("cut at 1") << 1;
        QTest::newRow("cut in member list") << 20;
        QTest::newRow("cut at 10") << 10;
        QTest::newRow("cut last character") << -1;
    }
    void damagedPackageFailsCleanly() {
        QFETCH(int, cut);
        cls_Class original;
        fillEveryField(original);
        const QString package = original.DATA.PACKAGE();
        const QString damaged = cut > 0 ? package.left(cut) : package.chopped(1);
        cls_Class target;
        QVERIFY(!errorOf([&] { target.DATA.setPACKAGE(damaged); }).isEmpty());
    }
};

int runRecordTests(int argc, char** argv) {
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
