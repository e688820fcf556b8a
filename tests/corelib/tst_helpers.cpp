#include "corelib/Paths.h"
#include "corelib/Tokenizer.h"

#include <QtTest>

class HelperTest : public QObject {
    Q_OBJECT

private slots:
    void tokenizer_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("blanks only") << QStringLiteral("   ") << QStringList{};
        QTest::newRow("one") << QStringLiteral("a.vlt-ctf") << QStringList{"a.vlt-ctf"};
        QTest::newRow("several blanks")
            << QStringLiteral("  a   /COMPILE ") << QStringList{"a", "/COMPILE"};
        QTest::newRow("quoted with blank")
            << QStringLiteral("\"/tmp/Meine Vorlage.vlt-ctf\" /compile")
            << QStringList{"\"/tmp/Meine Vorlage.vlt-ctf\"", "/compile"};
        QTest::newRow("quote inside token")
            << QStringLiteral("a\"b c\"d e") << QStringList{"a\"b c\"d", "e"};
        QTest::newRow("empty quotes") << QStringLiteral("\"\" x") << QStringList{"\"\"", "x"};
        QTest::newRow("unclosed quote") << QStringLiteral("\"a b") << QStringList{"\"a b"};
        QTest::newRow("tab is no separator") << QStringLiteral("a\tb") << QStringList{"a\tb"};
    }
    void tokenizer() {
        QFETCH(QString, commandLine);
        QFETCH(QStringList, tokens);
        QCOMPARE(vlt::tokenizeCommandLine(commandLine), tokens);
    }

    void folderPart_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file in folder")
            << QStringLiteral("/home/a/x.vlt-ctf") << QStringLiteral("/home/a/");
        QTest::newRow("root") << QStringLiteral("/x") << QStringLiteral("/");
        QTest::newRow("folder itself") << QStringLiteral("/home/a/") << QStringLiteral("/home/a/");
        QTest::newRow("no folder") << QStringLiteral("x.vlt-ctf") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("relative") << QStringLiteral("a/b/c") << QStringLiteral("a/b/");
    }
    void folderPart() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(vlt::folderPart(path), folder);
    }

    void programFolderEndsWithSeparator() {
        const QString folder = vlt::programFolder();
        QVERIFY(folder.endsWith(QLatin1Char('/')));
        QCOMPARE(folder + QFileInfo(vlt::executablePath()).fileName(), vlt::executablePath());
        QCOMPARE(vlt::executableBaseName(), QStringLiteral("test_corelib"));
    }

    void fileExists() {
        QVERIFY(vlt::fileExists(vlt::executablePath()));
        QVERIFY(!vlt::fileExists(vlt::programFolder()));
        QVERIFY(!vlt::fileExists(QString()));
        QVERIFY(!vlt::fileExists(vlt::programFolder() + QStringLiteral("gibt-es-nicht")));
    }
};

int runHelperTests(int argc, char** argv) {
    HelperTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpers.moc"
