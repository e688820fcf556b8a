#include "FileTestSupport.h"
#include "TestRecord.h"

#include "corelib/File.h"

#include <QtTest>

using vlt::cls_File;
using vlt::Variant;

namespace {

const QByteArray kHead = QByteArrayLiteral("VLTFILE 1\n");
const QByteArray kTail = QByteArrayLiteral("END\n");

} // namespace

class FileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString store(const QString& name, std::initializer_list<Variant> values) {
        const QString path = m_dir.filePath(name);
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Output);
        file.STORE(values);
        file.CLOSEURL();
        return path;
    }

private slots:
    void writerLine_data() {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << Variant() << QByteArray("E");
        QTest::newRow("true") << Variant(true) << QByteArray("B:-1");
        QTest::newRow("false") << Variant(false) << QByteArray("B:0");
        QTest::newRow("long") << Variant(-17) << QByteArray("L:-17");
        QTest::newRow("long min") << Variant(qint32(-2147483647 - 1))
                                  << QByteArray("L:-2147483648");
        QTest::newRow("double") << Variant(0.1) << QByteArray("D:0.1");
        QTest::newRow("double exponent") << Variant(1e-7) << QByteArray("D:1e-07");
        QTest::newRow("empty text") << Variant(QString()) << QByteArray("S:");
        QTest::newRow("escapes") << Variant(QStringLiteral("a\\b\rc\nd"))
                                 << QByteArray("S:a\\\\b\\rc\\nd");
        QTest::newRow("letters as themselves") << Variant(QStringLiteral("Grüße \"x\"\t:E"))
                                               << QByteArray("S:Gr\xC3\xBC\xC3\x9F"
                                                             "e \"x\"\t:E");
        QTest::newRow("non-BMP") << Variant(QString::fromUcs4(U"\U0001F600"))
                                 << QByteArray("S:\xF0\x9F\x98\x80");
        QTest::newRow("NUL") << Variant(QString(QChar(0))) << QByteArray("S:\0", 3);
    }
    void writerLine() {
        QFETCH(Variant, value);
        QFETCH(QByteArray, line);
        const QString path = store(QStringLiteral("line.txt"), {value});
        QCOMPARE(readBytes(path), kHead + line + '\n' + kTail);

        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        const Variant back = file.READFNC();
        QCOMPARE(back.kind(), value.kind());
        QVERIFY(back == value);
    }

    void emptyFileWritesHeaderAndEnd() {
        cls_File file;
        const QString path = m_dir.filePath(QStringLiteral("nothing.txt"));
        file.OPENURL(path, vlt::ID_FileOpen_Output);
        file.CLOSEURL();
        QCOMPARE(readBytes(path), kHead + kTail);
    }

    void readerAccepts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << kHead + "S:a\\nb\nL:7\n" + kTail;
        QTest::newRow("CRLF") << QByteArray("VLTFILE 1\r\nS:a\\nb\r\nL:7\r\nEND\r\n");
        QTest::newRow("BOM") << "\xEF\xBB\xBF" + kHead + "S:a\\nb\nL:7\n" + kTail;
        QTest::newRow("no final line break") << kHead + "S:a\\nb\nL:7\nEND";
    }
    void readerAccepts() {
        QFETCH(QByteArray, bytes);
        cls_File file;
        file.OPENURL(writeBytes(m_dir, QStringLiteral("accept.txt"), bytes),
                     vlt::ID_FileOpen_Input);
        QString text;
        qint32 number = 0;
        file.READ({&text, &number});
        QCOMPARE(text, QStringLiteral("a\nb"));
        QCOMPARE(number, 7);
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("Zeile 1: die Datei ist leer");
        QTest::newRow("no header") << QByteArray("S:a\nEND\n") << QStringLiteral("VLTFILE 1");
        QTest::newRow("header with blank")
            << QByteArray("VLTFILE 1 \nEND\n") << QStringLiteral("VLTFILE 1");
        QTest::newRow("unknown kind")
            << kHead + "X:1\n" + kTail << QStringLiteral("Zeile 2: unbekannte Wertzeile");
        QTest::newRow("blank line")
            << kHead + "\n" + kTail << QStringLiteral("Zeile 2: unbekannte Wertzeile");
        QTest::newRow("bad boolean")
            << kHead + "S:\nB:1\n" + kTail << QStringLiteral("Zeile 3: ungültiger Wahrheitswert");
        QTest::newRow("long too big")
            << kHead + "L:2147483648\n" + kTail << QStringLiteral("Zeile 2: ungültige Ganzzahl");
        QTest::newRow("long with blank")
            << kHead + "L: 1\n" + kTail << QStringLiteral("Zeile 2: ungültige Ganzzahl");
        QTest::newRow("empty long")
            << kHead + "L:\n" + kTail << QStringLiteral("Zeile 2: ungültige Ganzzahl");
        QTest::newRow("bad double")
            << kHead + "D:1.5x\n" + kTail << QStringLiteral("Zeile 2: ungültige Zahl");
        QTest::newRow("bad escape")
            << kHead + "S:a\\t\n" + kTail << QStringLiteral("Zeile 2: unbekannte Escape-Folge");
        QTest::newRow("lone backslash")
            << kHead + "S:a\\\n" + kTail << QStringLiteral("Zeile 2: Text endet");
        QTest::newRow("invalid UTF-8") << kHead + "S:\xC3\x28\n" + kTail
                                       << QStringLiteral("Zeile 2: Text ist kein gültiges UTF-8");
        QTest::newRow("cut UTF-8") << kHead + "S:ab\xE2\x82\n" + kTail
                                   << QStringLiteral("Zeile 2: Text ist kein gültiges UTF-8");
        QTest::newRow("missing END") << kHead + "S:a\n" << QStringLiteral("END fehlt");
        QTest::newRow("line after END") << kHead + kTail + "S:a\n"
                                        << QStringLiteral("Zeile 3: nach END");
        QTest::newRow("blank line after END") << kHead + kTail + "\n"
                                              << QStringLiteral("Zeile 3: nach END");
        QTest::newRow("newer format")
            << QByteArray("VLTFILE 2\nEND\n") << QStringLiteral("neueren Programmversion");
    }
    void damaged() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const QString path = writeBytes(m_dir, QStringLiteral("damaged.txt"), bytes);
        cls_File file;
        const QString message = errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input); });
        QVERIFY2(message.contains(cause), qPrintable(message));
        QVERIFY2(message.contains(path), qPrintable(message));
    }

    void missingFileNamesTheFile() {
        const QString path = m_dir.filePath(QStringLiteral("gibt-es-nicht.txt"));
        cls_File file;
        const QString message = errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input); });
        QVERIFY2(message.contains(path), qPrintable(message));
    }

    void readConverts_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("asText");
        QTest::addColumn<QString>("asLong"); // "!" for a type error
        QTest::addColumn<QString>("asBool");
        const auto s = [](const char* text) { return QString::fromUtf8(text); };
        QTest::newRow("empty") << QByteArray("E") << s("") << s("0") << s("False");
        QTest::newRow("true") << QByteArray("B:-1") << s("True") << s("-1") << s("True");
        QTest::newRow("long") << QByteArray("L:12") << s("12") << s("12") << s("True");
        QTest::newRow("double") << QByteArray("D:2.5") << s("2.5") << s("2") << s("True");
        QTest::newRow("numeric text") << QByteArray("S:0") << s("0") << s("0") << s("False");
        QTest::newRow("boolean text") << QByteArray("S:True") << s("True") << s("!") << s("True");
        QTest::newRow("word") << QByteArray("S:Name") << s("Name") << s("!") << s("!");
    }
    void readConverts() {
        QFETCH(QByteArray, line);
        QFETCH(QString, asText);
        QFETCH(QString, asLong);
        QFETCH(QString, asBool);
        const QString path =
            writeBytes(m_dir, QStringLiteral("convert.txt"),
                       kHead + "S:x\n" + line + "\n" + line + "\n" + line + "\n" + kTail);
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        file.READFNC();
        QString text;
        file.READ({&text});
        QCOMPARE(text, asText);
        qint32 number = 0;
        const QString longError = errorOf([&] { file.READ({&number}); });
        if (asLong == QLatin1String("!"))
            QVERIFY2(longError.contains(QStringLiteral("Zeile 4")), qPrintable(longError));
        else
            QCOMPARE(QString::number(number), asLong);
        bool flag = false;
        const QString boolError = errorOf([&] { file.READ({&flag}); });
        if (asBool == QLatin1String("!"))
            QVERIFY2(boolError.contains(QStringLiteral("Zeile 5")), qPrintable(boolError));
        else
            QCOMPARE(Variant(flag).toText(), asBool);
    }

    void readPastTheEnd() {
        const QString path = store(QStringLiteral("short.txt"), {Variant(1), Variant(2)});
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        qint32 a = 0;
        qint32 b = 0;
        qint32 c = 0;
        const QString message = errorOf([&] { file.READ({&a, &b, &c}); });
        QVERIFY2(message.contains(QStringLiteral("unerwartetes Dateiende")), qPrintable(message));
        QCOMPARE(errorOf([&] { file.READFNC(); }).isEmpty(), false);
    }

    void storeManyValuesInOneCall() {
        const QString path = store(QStringLiteral("many.txt"),
                                   {Variant(), Variant(QStringLiteral("a")), Variant(true)});
        QCOMPARE(readBytes(path), kHead + "E\nS:a\nB:-1\n" + kTail);
    }

    void writeTextIsExact() {
        const QString path = m_dir.filePath(QStringLiteral("module.cls"));
        const QByteArray bytes("VERSION 1.0 CLASS\r\n\xE4\r\n");
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Output);
        file.WRITETEXT(bytes);
        file.CLOSEURL();
        QCOMPARE(readBytes(path), bytes);
    }

    void releasedWithoutCloseWritesNothing() {
        const QString path = writeBytes(m_dir, QStringLiteral("keep.txt"), "old");
        {
            cls_File file;
            file.OPENURL(path, vlt::ID_FileOpen_Output);
            file.STORE({Variant(1)});
        }
        QCOMPARE(readBytes(path), QByteArray("old"));
    }

    void failedWriteNamesFileAndKeepsNothing() {
        const QString path = m_dir.filePath(QStringLiteral("kein-ordner/datei.txt"));
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Output);
        file.STORE({Variant(1)});
        const QString message = errorOf([&] { file.CLOSEURL(); });
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY(!QFile::exists(path));
    }

    void wrongModeIsAnError() {
        const QString path = store(QStringLiteral("mode.txt"), {Variant(1)});
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        QVERIFY(!errorOf([&] { file.STORE({Variant(1)}); }).isEmpty());
        QVERIFY(!errorOf([&] { file.OPENURL(path, 3); }).isEmpty());
    }
};

int runFileTests(int argc, char** argv) {
    FileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_file.moc"
