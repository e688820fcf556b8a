#include "HardeningSupport.h"

#include "corelib/VString.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QString validPackage() {
    cls_Class t;
    fillTemplate(t, QStringLiteral("cls_Paket"));
    return t.DATA.PACKAGE();
}

// The package with the first match of `pattern` replaced.
QString withFirst(const QString& pattern, const QString& replacement) {
    QString package = validPackage();
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(package);
    if (!match.hasMatch())
        qFatal("pattern not in the package: %s", qPrintable(pattern));
    return package.replace(match.capturedStart(), match.capturedLength(), replacement);
}

} // namespace

class HostilePackageTest : public QObject {
    Q_OBJECT

private slots:
    void damagedPackageIsRefused_data() {
        QTest::addColumn<QString>("package");
        const QString valid = validPackage();
        for (qsizetype keep = 0; keep < valid.size();
             keep += std::max<qsizetype>(1, valid.size() / 60))
            QTest::addRow("cut after %lld", static_cast<long long>(keep)) << valid.left(keep);
        QTest::newRow("text length beyond the package")
            << withFirst(QStringLiteral("S\\d+:"), QStringLiteral("S999999999999:"));
        QTest::newRow("text length beyond 64 bits")
            << withFirst(QStringLiteral("S\\d+:"), QStringLiteral("S99999999999999999999999:"));
        QTest::newRow("negative text length")
            << withFirst(QStringLiteral("S\\d+:"), QStringLiteral("S-5:"));
        QTest::newRow("text without length")
            << withFirst(QStringLiteral("S\\d+:"), QStringLiteral("S:"));
        QTest::newRow("record count beyond the package")
            << withFirst(QStringLiteral("A\\d+:"), QStringLiteral("A2147483647:"));
        QTest::newRow("negative record count")
            << withFirst(QStringLiteral("A\\d+:"), QStringLiteral("A-1:"));
        QTest::newRow("record length beyond the package")
            << withFirst(QStringLiteral("R\\d+:"), QStringLiteral("R999999999:"));
        QTest::newRow("unknown kind first") << QStringLiteral("Z") + valid;
        QTest::newRow("records where a text belongs") << QStringLiteral("A0:") + valid;
        QTest::newRow("Long too large") << QStringLiteral("L99999999999;") + valid.mid(1);
        QTest::newRow("Double without end") << QStringLiteral("D1.5");
        QTest::newRow("empty package") << QString();
    }

    void damagedPackageIsRefused() {
        QFETCH(QString, package);
        cls_Class target;
        fillTemplate(target, QStringLiteral("cls_Vorher"));
        const QString before = target.DATA.PACKAGE();
        try {
            target.DATA.setPACKAGE(package);
        } catch (const vlt::Error& error) {
            QVERIFY(!error.message().isEmpty());
            QCOMPARE(target.DATA.PACKAGE(), before);
            return;
        }
        QFAIL("the damaged package was accepted");
    }

    void validPackageRoundTrips() {
        cls_Class source;
        fillTemplate(source, QStringLiteral("cls_Paket"));
        cls_Class target;
        target.DATA.setPACKAGE(source.DATA.PACKAGE());
        QCOMPARE(target.DATA.PACKAGE(), source.DATA.PACKAGE());
    }
};

int runHostilePackageTests(int argc, char** argv) {
    HostilePackageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_packages.moc"
