#include "FileTestSupport.h"
#include "TestRecord.h"

#include "corelib/VString.h"

#include <QtTest>
#include <cmath>

using vlt::Variant;
using vlt::VSTRING;

namespace {

vlt::RecordArray records(std::initializer_list<const char*> texts) {
    vlt::RecordArray items;
    for (const char* text : texts)
        items.push_back(text ? std::make_shared<TestRecord>(QString::fromUtf8(text)) : nullptr);
    return items;
}

QStringList textsOf(const vlt::RecordArray& items) {
    QStringList texts;
    for (const auto& item : items)
        texts.append(item ? static_cast<TestRecord&>(*item).TEXT : QStringLiteral("<leer>"));
    return texts;
}

vlt::RecordArrayOut into(vlt::RecordArray& items) {
    return {items, [] { return std::make_shared<TestRecord>(); }};
}

} // namespace

class VStringTest : public QObject {
    Q_OBJECT

private slots:
    void valueRoundTrip_data() {
        QTest::addColumn<Variant>("value");
        QTest::newRow("empty") << Variant();
        QTest::newRow("missing") << Variant::missing();
        QTest::newRow("true") << Variant(true);
        QTest::newRow("false") << Variant(false);
        QTest::newRow("long") << Variant(qint32(-2147483647 - 1));
        QTest::newRow("double") << Variant(-1.0 / 3.0);
        QTest::newRow("double huge") << Variant(1.7976931348623157e308);
        QTest::newRow("empty text") << Variant(QString());
        QTest::newRow("digits and separators") << Variant(QStringLiteral("12:S3:abc;L5;A1:N"));
        QTest::newRow("line breaks and quotes") << Variant(QStringLiteral("a\r\nb\"c'\n"));
        QTest::newRow("NUL") << Variant(QStringLiteral("x") + QChar(0) + QStringLiteral("y"));
        QTest::newRow("non-BMP") << Variant(QString::fromUcs4(U"\U0001D11E\U0001F600"));
        QTest::newRow("lone surrogate") << Variant(QString(QChar(0xD800)));
    }
    void valueRoundTrip() {
        QFETCH(Variant, value);
        const QString package = VSTRING.PACK.PACK({value, value, Variant(7)});
        Variant first;
        Variant second;
        qint32 last = 0;
        VSTRING.PACK.UNPACK(package, {&first, &second, &last});
        QCOMPARE(first.kind(), value.kind());
        QVERIFY(first == value);
        QVERIFY(second == value);
        QCOMPARE(last, 7);
        Variant viaString;
        VSTRING.UNPACK(package, {&viaString});
        QVERIFY(viaString == value);
    }

    void infinityNanAndNegativeZero() {
        const double inf = std::numeric_limits<double>::infinity();
        const QString package =
            VSTRING.PACK.PACK({Variant(inf), Variant(std::nan("")), Variant(-0.0)});
        double a = 0;
        double b = 0;
        double c = 1;
        VSTRING.PACK.UNPACK(package, {&a, &b, &c});
        QCOMPARE(a, inf);
        QVERIFY(std::isnan(b));
        QVERIFY(c == 0.0 && std::signbit(c));
    }

    void typedTargets() {
        const QString package = VSTRING.PACK.PACK(
            {Variant(QStringLiteral("Name")), Variant(true), Variant(false), Variant(5)});
        QString text;
        bool yes = false;
        bool no = true;
        double number = 0;
        VSTRING.PACK.UNPACK(package, {&text, &yes, &no, &number});
        QCOMPARE(text, QStringLiteral("Name"));
        QCOMPARE(yes, true);
        QCOMPARE(no, false);
        QCOMPARE(number, 5.0);
    }

    void recordArrays_data() {
        QTest::addColumn<QStringList>("texts"); // "<leer>" marks an empty position
        QTest::newRow("only position 0") << QStringList{QStringLiteral("<leer>")};
        QTest::newRow("empty position 0") << QStringList{
            QStringLiteral("<leer>"), QStringLiteral("A"), QString(), QStringLiteral("R3:N\nA2:")};
        QTest::newRow("no positions") << QStringList{};
    }
    void recordArrays() {
        QFETCH(QStringList, texts);
        vlt::RecordArray items;
        for (const QString& text : texts)
            items.push_back(text == QLatin1String("<leer>") ? nullptr
                                                            : std::make_shared<TestRecord>(text));
        const QString package =
            VSTRING.PACK.PACK({Variant(QStringLiteral("vor")), vlt::RecordArrayIn{items},
                               Variant(QStringLiteral("nach"))});
        QString before;
        QString after;
        vlt::RecordArray back = records({"vorher"});
        VSTRING.UNPACK(package, {&before, into(back), &after});
        QCOMPARE(before, QStringLiteral("vor"));
        QCOMPARE(textsOf(back), texts);
        QCOMPARE(after, QStringLiteral("nach"));
    }

    void damagedPackages_data() {
        QTest::addColumn<QString>("package");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown kind") << QStringLiteral("X");
        QTest::newRow("text too long") << QStringLiteral("S99:abc");
        QTest::newRow("negative length") << QStringLiteral("S-1:abc");
        QTest::newRow("no length") << QStringLiteral("S:abc");
        QTest::newRow("long unterminated") << QStringLiteral("L12");
        QTest::newRow("long not a number") << QStringLiteral("Lx;");
        QTest::newRow("double not a number") << QStringLiteral("D1.2.3;");
        QTest::newRow("huge array count") << QStringLiteral("A999999999:N");
        QTest::newRow("array entry kind") << QStringLiteral("A1:X");
        QTest::newRow("array where value expected") << QStringLiteral("A0:");
        QTest::newRow("word into Long") << QStringLiteral("S3:abc");
    }
    void damagedPackages() {
        QFETCH(QString, package);
        qint32 number = 0;
        const QString message = errorOf([&] { VSTRING.PACK.UNPACK(package, {&number}); });
        QVERIFY2(!message.isEmpty(), "no error raised");
    }

    void damagedRecordArray() {
        vlt::RecordArray items = records({nullptr, "A"});
        const QString package = VSTRING.PACK.PACK({vlt::RecordArrayIn{items}});
        vlt::RecordArray back;
        QVERIFY(!errorOf([&] { VSTRING.UNPACK(package.chopped(1), {into(back)}); }).isEmpty());
        QVERIFY(!errorOf([&] { VSTRING.UNPACK(QStringLiteral("S1:a"), {into(back)}); }).isEmpty());
    }
};

int runVStringTests(int argc, char** argv) {
    VStringTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vstring.moc"
