#include "support/CaseTable.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "model/TemplateFile.h"

namespace {

// A real template file, cut into its lines (without line breaks).
QList<QByteArray> validTemplateLines() {
    QList<QByteArray> lines = readBytes(testData(u"templates/every-field.vlt-ctf"_s)).split('\n');
    lines.removeLast();
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join('\n') + '\n';
}

QString validPackage() {
    cls_Class tpl;
    fillEveryField(tpl);
    return tpl.DATA.PACKAGE();
}

// The package with the first match of PATTERN replaced: "PATTERN => REPLACEMENT".
QString withFirst(QString package, const QString& edit) {
    const QStringList parts = edit.split(QRegularExpression(u" =>( |$)"_s));
    const QRegularExpressionMatch match = QRegularExpression(parts.first()).match(package);
    if (!match.hasMatch())
        qFatal("pattern not in the package: %s", qPrintable(edit));
    return package.replace(match.capturedStart(), match.capturedLength(), parts.value(1));
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:

    void damagedStructure_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("cause");
        const QList<QByteArray> lines = validTemplateLines();
        const QByteArray valid = joined(lines);
        for (qsizetype keep = 0; keep + 1 < lines.size(); ++keep)
            QTest::addRow("cut after line %lld", static_cast<long long>(keep))
                << joined(lines.first(keep)) << QString();
        for (qsizetype keep = 2; keep + 1 < lines.size(); ++keep)
            QTest::addRow("END after line %lld", static_cast<long long>(keep))
                << joined(lines.first(keep)) + "END\n"
                << "unerwartetes Dateiende";
        for (const QList<QByteArray>& row : readCaseRows(u"damaged-templates"_s, 3))
            QTest::newRow(row[0].constData())
                << applyEdits(row[1] == "valid"                 ? valid
                              : row[1].startsWith("templates/") ? readBytes(testData(row[1]))
                                                                : row[1],
                              row[2])
                << QString::fromUtf8(row[3]);
    }
    // Loaded over another template: the refused file names itself and leaves that one as it was.
    void damagedStructure() {
        QFETCH(QByteArray, file);
        QFETCH(QString, cause);
        const QString path = m_dir.filePath(u"feindlich.vlt-ctf"_s);
        writeBytes(path, file);
        cls_Class tpl;
        tpl.CLASSNAME = u"cls_Vorher"_s;
        tpl.MEMBERS().DATABASE.ADD(makeMember(u"bleibt"_s));
        const QStringList before = describe(tpl);
        const QString message = errorOf([&] { readTemplate(path, tpl); });
        QVERIFY2(message.contains(path) && message.contains(cause), qPrintable(message));
        QCOMPARE(describe(tpl), before);
    }

    void damagedPackageChangesNothing_data() {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("cause"); // a pattern
        const QString valid = validPackage();
        for (qsizetype keep = 0; keep < valid.size();
             keep += std::max<qsizetype>(1, valid.size() / 60))
            QTest::addRow("cut after %lld", static_cast<long long>(keep))
                << valid.left(keep) << "endet zu früh|ungültige Länge";
        for (const QList<QByteArray>& row : readCaseRows(u"damaged-packages"_s, 2))
            QTest::newRow(row[0].constData())
                << withFirst(valid, QString::fromUtf8(row[1])) << QString::fromUtf8(row[2]);
    }
    // The whole package is read before anything is taken over.
    void damagedPackageChangesNothing() {
        QFETCH(QString, package);
        QFETCH(QString, cause);
        cls_Class target;
        target.CLASSNAME = u"cls_Vorher"_s;
        target.MEMBERS().DATABASE.ADD(makeMember(u"bleibt"_s));
        const QString before = target.DATA.PACKAGE();
        const QString message = errorOf([&] { target.DATA.setPACKAGE(package); });
        QVERIFY2(message.contains(QRegularExpression(cause)), qPrintable(message));
        QCOMPARE(target.DATA.PACKAGE(), before);
    }
};
CLASSSHAPER_TEST(HostileInputTest);

#include "tst_hostile_inputs.moc"
