#include "TestRecord.h"

#include "corelib/Error.h"
#include "corelib/Variant.h"

#include <QtTest>
#include <limits>

using vlt::Variant;

class VariantTest : public QObject {
    Q_OBJECT

private slots:
    void toText_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << Variant() << QString();
        QTest::newRow("true") << Variant(true) << QStringLiteral("True");
        QTest::newRow("false") << Variant(false) << QStringLiteral("False");
        QTest::newRow("negative long")
            << Variant(qint32(-2147483647 - 1)) << QStringLiteral("-2147483648");
        QTest::newRow("double") << Variant(1.5) << QStringLiteral("1.5");
        QTest::newRow("double tenth") << Variant(0.1) << QStringLiteral("0.1");
        QTest::newRow("double huge") << Variant(1e300) << QStringLiteral("1e+300");
        QTest::newRow("text") << Variant(QStringLiteral(" a ")) << QStringLiteral(" a ");
    }
    void toText() {
        QFETCH(Variant, value);
        QFETCH(QString, expected);
        QCOMPARE(value.toText(), expected);
    }

    void toLong_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("empty") << Variant() << true << 0;
        QTest::newRow("true is -1") << Variant(true) << true << -1;
        QTest::newRow("false") << Variant(false) << true << 0;
        QTest::newRow("half rounds to even down") << Variant(2.5) << true << 2;
        QTest::newRow("half rounds to even up") << Variant(3.5) << true << 4;
        QTest::newRow("negative half") << Variant(-2.5) << true << -2;
        QTest::newRow("numeric text") << Variant(QStringLiteral(" 42 ")) << true << 42;
        QTest::newRow("decimal text") << Variant(QStringLiteral("7.6")) << true << 8;
        QTest::newRow("word") << Variant(QStringLiteral("abc")) << false << 0;
        QTest::newRow("empty text") << Variant(QString()) << false << 0;
        QTest::newRow("overflow") << Variant(3e9) << false << 0;
        QTest::newRow("missing") << Variant::missing() << false << 0;
    }
    void toLong() {
        QFETCH(Variant, value);
        QFETCH(bool, ok);
        QFETCH(qint32, expected);
        if (!ok) {
            QVERIFY_THROWS_EXCEPTION(vlt::Error, value.toLong());
            return;
        }
        QCOMPARE(value.toLong(), expected);
    }

    void toBool_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << Variant() << true << false;
        QTest::newRow("long 0") << Variant(0) << true << false;
        QTest::newRow("long 5") << Variant(5) << true << true;
        QTest::newRow("double") << Variant(0.5) << true << true;
        QTest::newRow("text True") << Variant(QStringLiteral("True")) << true << true;
        QTest::newRow("text false any case") << Variant(QStringLiteral("fALSE")) << true << false;
        QTest::newRow("text number") << Variant(QStringLiteral("-1")) << true << true;
        QTest::newRow("text word") << Variant(QStringLiteral("ja")) << false << false;
    }
    void toBool() {
        QFETCH(Variant, value);
        QFETCH(bool, ok);
        QFETCH(bool, expected);
        if (!ok) {
            QVERIFY_THROWS_EXCEPTION(vlt::Error, value.toBool());
            return;
        }
        QCOMPARE(value.toBool(), expected);
    }

    void textErrorNamesTheValue() {
        try {
            Variant(QStringLiteral("Zwölf")).toDouble();
            QFAIL("no error");
        } catch (const vlt::Error& error) {
            QVERIFY(error.message().contains(QStringLiteral("Zwölf")));
        }
    }

    void equality_data() {
        QTest::addColumn<Variant>("a");
        QTest::addColumn<Variant>("b");
        QTest::addColumn<bool>("equal");
        const Variant text = QStringLiteral("ABC");
        QTest::newRow("empty empty") << Variant() << Variant() << true;
        QTest::newRow("empty zero") << Variant() << Variant(0) << true;
        QTest::newRow("empty false") << Variant() << Variant(false) << true;
        QTest::newRow("empty empty text") << Variant() << Variant(QString()) << true;
        QTest::newRow("empty text") << Variant() << text << false;
        QTest::newRow("empty one") << Variant() << Variant(1) << false;
        QTest::newRow("missing missing") << Variant::missing() << Variant::missing() << true;
        QTest::newRow("missing empty") << Variant::missing() << Variant() << false;
        QTest::newRow("missing zero") << Variant::missing() << Variant(0) << false;
        QTest::newRow("true minus one") << Variant(true) << Variant(-1) << true;
        QTest::newRow("true one") << Variant(true) << Variant(1) << false;
        QTest::newRow("long double") << Variant(2) << Variant(2.0) << true;
        QTest::newRow("long double differ") << Variant(2) << Variant(2.5) << false;
        QTest::newRow("text same") << text << Variant(QStringLiteral("ABC")) << true;
        QTest::newRow("text case") << text << Variant(QStringLiteral("abc")) << false;
        QTest::newRow("text blanks") << text << Variant(QStringLiteral("ABC ")) << false;
        QTest::newRow("numeric text long") << Variant(QStringLiteral("1")) << Variant(1) << false;
        QTest::newRow("text bool") << Variant(QStringLiteral("True")) << Variant(true) << false;
    }
    void equality() {
        QFETCH(Variant, a);
        QFETCH(Variant, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
        QCOMPARE(b == a, equal);
    }

    void doubleTextReadsBack_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("third") << 1.0 / 3.0;
        QTest::newRow("tiny") << 5e-324;
        QTest::newRow("max") << std::numeric_limits<double>::max();
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("integral") << 12345678.0;
    }
    void doubleTextReadsBack() {
        QFETCH(double, value);
        const QString text = vlt::doubleToText(value);
        QCOMPARE(Variant(text).toDouble(), value);
        QCOMPARE(std::signbit(Variant(text).toDouble()), std::signbit(value));
    }
};

int runVariantTests(int argc, char** argv) {
    VariantTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_variant.moc"
