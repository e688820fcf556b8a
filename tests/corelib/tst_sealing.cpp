#include "FileTestSupport.h"

#include "corelib/File.h"
#include "corelib/Variant.h"

#include <QtTest>

using vlt::cls_File;
using vlt::Variant;

class SealingTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_sealed;
    const QString m_password = QStringLiteral("Geheimnis \u00e4\U0001F511");

private slots:
    void initTestCase() {
        m_sealed = m_dir.filePath(QStringLiteral("sealed.txt"));
        cls_File file;
        file.OPENURL(m_sealed, vlt::ID_FileOpen_Output, m_password);
        file.STORE({Variant(QStringLiteral("Kunde\nNr")), Variant(42), Variant(true)});
        file.CLOSEURL();
    }

    void sealedFileHidesItsValues() {
        const QList<QByteArray> lines = readBytes(m_sealed).split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QByteArray("VLTFILE 1 SEALED"));
        QCOMPARE(lines[4], QByteArray());
        QVERIFY(!readBytes(m_sealed).contains("Kunde"));
    }

    void roundTrip() {
        cls_File file;
        file.OPENURL(m_sealed, vlt::ID_FileOpen_Input, m_password);
        QString text;
        qint32 number = 0;
        bool flag = false;
        file.READ({&text, &number, &flag});
        QCOMPARE(text, QStringLiteral("Kunde\nNr"));
        QCOMPARE(number, 42);
        QCOMPARE(flag, true);
    }

    void refused_data() {
        QTest::addColumn<int>("line"); // the line whose byte is changed, -1 for none
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("cause");
        const QString broken = QStringLiteral("Kennwort ist falsch oder die Datei wurde verändert");
        QTest::newRow("wrong password") << -1 << QStringLiteral("geheimnis") << broken;
        QTest::newRow("no password") << -1 << QString() << QStringLiteral("kein Kennwort");
        QTest::newRow("changed salt") << 1 << m_password << broken;
        QTest::newRow("changed nonce") << 2 << m_password << broken;
        QTest::newRow("changed ciphertext") << 3 << m_password << broken;
        QTest::newRow("changed header") << 0 << m_password << QStringLiteral("nicht verschlüsselt");
    }
    void refused() {
        QFETCH(int, line);
        QFETCH(QString, password);
        QFETCH(QString, cause);
        QList<QByteArray> lines = readBytes(m_sealed).split('\n');
        if (line >= 0) {
            QByteArray& target = lines[line];
            const qsizetype at = target.size() / 2;
            target[at] = target[at] == 'A' ? 'B' : 'A';
        }
        const QString path = writeBytes(m_dir, QStringLiteral("changed.txt"), lines.join('\n'));
        cls_File file;
        const QString message =
            errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input, password); });
        QVERIFY2(message.contains(cause), qPrintable(message));
        QVERIFY2(message.contains(path), qPrintable(message));
    }

    void truncatedSealedFile() {
        const QByteArray bytes = readBytes(m_sealed);
        const QString path =
            writeBytes(m_dir, QStringLiteral("cut.txt"), bytes.left(bytes.size() - 10));
        cls_File file;
        QVERIFY(
            !errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input, m_password); }).isEmpty());
    }

    void passwordForPlainFile() {
        const QString path = writeBytes(m_dir, QStringLiteral("plain.txt"), "VLTFILE 1\nEND\n");
        cls_File file;
        const QString message =
            errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input, m_password); });
        QVERIFY2(message.contains(QStringLiteral("nicht verschlüsselt")), qPrintable(message));
    }
};

int runSealingTests(int argc, char** argv) {
    SealingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sealing.moc"
