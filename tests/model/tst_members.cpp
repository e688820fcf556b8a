#include "support/CaseTable.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

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

class MemberListTest : public QObject {
    Q_OBJECT

private slots:
    // Beyond the list an index error; position 0 a fresh entry that is not in the list.
    void positions() {
        cls_Members list;
        fill(list, u"AB"_s);
        const std::function<void()> operations[] = {
            [&] { list.ITEM(3, true); }, [&] { list.ITEM(-1, true); },
            [&] { list.DATABASE.ITEMOBJ(3, true); }, [&] { list.DATABASE.REMOVE(0, true); },
            [&] { list.DATABASE.REMOVE(3, true); }};
        for (const auto& operation : operations)
            QVERIFY(errorOf(operation).contains(u"Index"_s));
        QCOMPARE(errorOf(operations[0]),
                 u"Index außerhalb des gültigen Bereichs: Position 3 gibt es nicht."_s);
        for (const auto& entry : {list.DATABASE.ITEM(0, true), list.DATABASE.ITEMOBJ(0, true)}) {
            auto member = std::dynamic_pointer_cast<cls_Member>(entry);
            QVERIFY(member);
            QCOMPARE(describe(*member), u"|String|10000"_s);
            member->MNAME = u"Z"_s;
        }
        QCOMPARE(names(list), u"AB"_s);
    }

    void memberPackages_data() { addCaseRows(u"member-packages"_s, 3); }
    void memberPackages() {
        const auto [from, to, cause] = textFields<3>();
        cls_Members list;
        const QString empty = list.DATA.PACKAGE();
        QVERIFY2(empty.startsWith(u'E') && empty.endsWith(u"A1:N"_s), qPrintable(empty));
        QString changed = empty;
        changed.replace(from == u"E" ? 0 : empty.size() - 4, from.size(), to);
        fill(list, u"AB"_s);
        const QString before = list.DATA.PACKAGE();
        const QString message = errorOf([&] { list.DATA.setPACKAGE(changed); });
        QVERIFY2(message.contains(cause), qPrintable(message));
        QCOMPARE(list.COUNT(), cause.isEmpty() ? 0 : 2);
        QCOMPARE(list.DATA.PACKAGE(), cause.isEmpty() ? empty : before);
    }

    void search_data() { addCaseRows(u"member-search"_s, 3); }
    void search() {
        const auto [ids, wanted, position] = caseFields<3>();
        cls_Members list;
        for (const QByteArray& id : ids.split(';'))
            if (!ids.isEmpty())
                list.DATABASE.ADD(makeMember(u"m"_s), valueOf(id));
        qint32 found = -1;
        list.DATABASE_DatabaseSEARCH(found, valueOf(wanted));
        QCOMPARE(found, position.toInt());
        QCOMPARE(list.DATABASE.EXISTS(valueOf(wanted)), found > 0);
        // By its identifier, the entry at the position found, or none; and then removed.
        const auto entry = found > 0 ? list.DATABASE.ITEM(found, true) : nullptr;
        QCOMPARE(list.DATABASE.ITEM(valueOf(wanted)), entry);
        QCOMPARE(list.DATABASE.ITEMOBJ(valueOf(wanted)), entry);
        QCOMPARE(list.DATABASE.REMOVE(valueOf(wanted)), found > 0);
    }

    void importKeepsAGivenIdentifierOnly() {
        cls_Members list;
        auto unnamed = makeMember(u"A"_s);
        unnamed->DATA.ID = 5;
        list.DATABASE.ADD(unnamed, Variant::missing());
        list.DATABASE.ADD(makeMember(u"B"_s), u"b"_s);
        QVERIFY(unnamed->DATA.ID == Variant(5));
        QVERIFY(list.ITEM(2, true)->DATA.ID == Variant(u"b"_s));
        QCOMPARE(list.ITEM(u"b"_s)->MNAME, u"B"_s); // by identifier
        for (const auto& [id, name] :
             {std::pair{Variant(5), "A"}, {Variant(u"b"_s), "B"}, {Variant(u"c"_s), ""}}) {
            const auto found = std::dynamic_pointer_cast<cls_Member>(list.DATABASE.ITEMOBJ(id));
            QCOMPARE(found ? found->MNAME : QString(), QString::fromLatin1(name));
        }
        QVERIFY(!errorOf([&] { list.DATABASE.ADD(std::make_shared<cls_Class>()); }).isEmpty());
        QCOMPARE(names(list), u"AB"_s);
        list.DATABASE.CLEAR();
        QCOMPARE(list.COUNT(), 0);
    }
};
CLASSSHAPER_TEST(MemberListTest);

#include "tst_members.moc"
