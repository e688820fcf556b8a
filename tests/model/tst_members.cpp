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
    void remove_data() { addCaseRows(QStringLiteral("member-removal"), 3); }
    void remove() {
        const auto [before, position, after] = textFields<3>();
        cls_Members list;
        fill(list, before);
        QVERIFY(list.DATABASE.REMOVE(position.toInt(), true));
        QCOMPARE(names(list), after);
        QCOMPARE(list.COUNT(), after.size());
    }

    void outOfRange() {
        cls_Members list;
        fill(list, QStringLiteral("AB"));
        const std::function<void()> operations[] = {
            [&] { list.ITEM(3, true); }, [&] { list.ITEM(-1, true); },
            [&] { list.DATABASE.ITEMOBJ(3, true); }, [&] { list.DATABASE.REMOVE(0, true); },
            [&] { list.DATABASE.REMOVE(3, true); }};
        for (const auto& operation : operations)
            QVERIFY(errorOf(operation).contains(QStringLiteral("Index")));
        QCOMPARE(names(list), QStringLiteral("AB"));
    }

    void positionZeroIsNoEntry() {
        cls_Members list;
        fill(list, QStringLiteral("AB"));
        for (const auto& entry : {list.DATABASE.ITEM(0, true), list.DATABASE.ITEMOBJ(0, true)}) {
            auto member = std::dynamic_pointer_cast<cls_Member>(entry);
            QVERIFY(member);
            QCOMPARE(describe(*member), QStringLiteral("|String|10000"));
            member->MNAME = QStringLiteral("Z");
        }
        QCOMPARE(names(list), QStringLiteral("AB"));
    }

    void memberPackages_data() { addCaseRows(QStringLiteral("member-packages"), 3); }
    void memberPackages() {
        const auto [from, to, cause] = textFields<3>();
        cls_Members list;
        const QString empty = list.DATA.PACKAGE();
        QVERIFY2(empty.startsWith(u'E') && empty.endsWith(QStringLiteral("A1:N")),
                 qPrintable(empty));
        QString changed = empty;
        changed.replace(from == u"E" ? 0 : empty.size() - 4, from.size(), to);
        fill(list, QStringLiteral("AB"));
        const QString before = list.DATA.PACKAGE();
        const QString message = errorOf([&] { list.DATA.setPACKAGE(changed); });
        QVERIFY2(message.contains(cause), qPrintable(message));
        QCOMPARE(list.COUNT(), cause.isEmpty() ? 0 : 2);
        QCOMPARE(list.DATA.PACKAGE(), cause.isEmpty() ? empty : before);
    }

    void search_data() { addCaseRows(QStringLiteral("member-search"), 3); }
    void search() {
        const auto [ids, wanted, position] = caseFields<3>();
        cls_Members list;
        for (const QByteArray& id : ids.split(';'))
            if (!ids.isEmpty())
                list.DATABASE.ADD(makeMember(QStringLiteral("m")), valueOf(id));
        qint32 found = -1;
        list.DATABASE_DatabaseSEARCH(found, valueOf(wanted));
        QCOMPARE(found, position.toInt());
        QCOMPARE(list.DATABASE.EXISTS(valueOf(wanted)), found > 0);
    }

    void importKeepsAGivenIdentifierOnly() {
        cls_Members list;
        auto unnamed = makeMember(QStringLiteral("A"));
        unnamed->DATA.ID = 5;
        list.DATABASE.ADD(unnamed, Variant::missing());
        list.DATABASE.ADD(makeMember(QStringLiteral("B")), QStringLiteral("b"));
        QVERIFY(unnamed->DATA.ID == Variant(5));
        QVERIFY(list.ITEM(2, true)->DATA.ID == Variant(QStringLiteral("b")));
        QCOMPARE(list.ITEM(QStringLiteral("b"))->MNAME, QStringLiteral("B")); // by identifier
        for (const auto& [id, name] : {std::pair{Variant(5), "A"},
                                       {Variant(QStringLiteral("b")), "B"},
                                       {Variant(QStringLiteral("c")), ""}}) {
            const auto found = std::dynamic_pointer_cast<cls_Member>(list.DATABASE.ITEMOBJ(id));
            QCOMPARE(found ? found->MNAME : QString(), QString::fromLatin1(name));
        }
        QVERIFY(!errorOf([&] { list.DATABASE.ADD(std::make_shared<cls_Class>()); }).isEmpty());
        QCOMPARE(names(list), QStringLiteral("AB"));
        list.DATABASE.CLEAR();
        QCOMPARE(list.COUNT(), 0);
    }
};
CLASSSHAPER_TEST(MemberListTest);

#include "tst_members.moc"
