#include "support/CaseTable.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "corelib/File.h"

using vlt::cls_File;
using vlt::Variant;

namespace {

const QByteArray kHead = QByteArrayLiteral("VLTFILE 1\n");
const QByteArray kTail = QByteArrayLiteral("END\n");
const QString kPassword = u"Geheimnis \u00e4\U0001F511"_s;

} // namespace

class FileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

    QString store(const QString& name, std::initializer_list<Variant> values,
                  const QString& password = QString()) {
        const QString path = m_dir.filePath(name);
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Output, password);
        file.STORE(values);
        file.CLOSEURL();
        return path;
    }

private slots:
    void valueLine_data() { addCaseRows(u"value-lines"_s, 1); }
    void valueLine() {
        const auto [line] = caseFields<1>();
        const Variant value = valueOf(line);
        const QString path = store(u"line.txt"_s, {value, Variant(1)});
        QCOMPARE(readBytes(path), kHead + line + "\nL:1\n" + kTail);
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        const Variant back = file.READFNC();
        QCOMPARE(back.kind(), value.kind());
        QVERIFY(back == value);
    }

    // Nothing of a damaged file gets past CLOSEURL; the message names the file and the line.
    void refused_data() { addCaseRows(u"refused-files"_s, 2); }
    void refused() {
        const auto [bytes, cause] = caseFields<2>();
        const QString path = write(u"refused.txt"_s, bytes);
        cls_File file;
        const QString message = errorOf([&] {
            file.OPENURL(path, vlt::ID_FileOpen_Input);
            file.CLOSEURL();
        });
        QVERIFY2(message.contains(QString::fromUtf8(cause)) && message.contains(path),
                 qPrintable(message));
        QVERIFY(errorOf([&] {
                    file.OPENURL(store(u"plain.txt"_s, {}), vlt::ID_FileOpen_Input, kPassword);
                })
                    .endsWith(QStringLiteral("ist nicht verschlüsselt, es wurde aber ein Kennwort "
                                             "angegeben.")));
    }

    void readConverts_data() { addCaseRows(u"read-conversions"_s, 4); }
    void readConverts() {
        const auto [line, asText, asLong, asBool] = caseFields<4>();
        const QString path =
            write(u"convert.txt"_s, kHead + line + "\n" + line + "\n" + line + "\n" + kTail);
        cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        QString text;
        qint32 number = 0;
        bool flag = false;
        file.READ({&text});
        const QString longError = errorOf([&] { file.READ({&number}); });
        const QString boolError = errorOf([&] { file.READ({&flag}); });
        QCOMPARE(text, QString::fromUtf8(asText));
        QCOMPARE(longError.isEmpty()                ? QString::number(number)
                 : longError.contains(u"Zeile 3"_s) ? u"!"_s
                                                    : longError,
                 QString::fromUtf8(asLong));
        QCOMPARE(boolError.isEmpty()                ? Variant(flag).toText()
                 : boolError.contains(u"Zeile 4"_s) ? u"!"_s
                                                    : boolError,
                 QString::fromUtf8(asBool));
    }

    void writing() {
        const QString module = m_dir.filePath(u"module.cls"_s);
        cls_File file;
        file.OPENURL(module, vlt::ID_FileOpen_Output);
        file.WRITETEXT("VERSION 1.0 CLASS\r\n\xE4\r\n");
        file.CLOSEURL();
        QCOMPARE(readBytes(module), QByteArray("VERSION 1.0 CLASS\r\n\xE4\r\n"));
        const QString kept = write(u"keep.txt"_s, "old");
        {
            cls_File released;
            released.OPENURL(kept, vlt::ID_FileOpen_Output);
            released.STORE({Variant(1)});
        }
        QCOMPARE(readBytes(kept), QByteArray("old"));
        file.OPENURL(store(u"mode.txt"_s, {Variant(1)}), vlt::ID_FileOpen_Input);
        QVERIFY(!errorOf([&] { file.STORE({Variant(1)}); }).isEmpty());
        QCOMPARE(errorOf([&] { file.OPENURL(kept, 3); }),
                 "Die Datei \"" + kept +
                     "\" kann nicht geöffnet werden: unbekannte Zugriffsart 3.");
        file.OPENURL(m_dir.filePath(u"text.txt"_s), vlt::ID_FileOpen_Output);
        file.WRITETEXT("Text");
        QVERIFY(
            errorOf([&] { file.STORE({Variant(1)}); }).endsWith("wurde bereits Text geschrieben."));
        file.OPENURL(m_dir.filePath(u"values.txt"_s), vlt::ID_FileOpen_Output);
        QVERIFY(errorOf([&] {
                    file.STORE({Variant::missing()});
                }).startsWith("Ein fehlender Wert kann nicht"));
        file.STORE({Variant(1)});
        QVERIFY(errorOf([&] { file.WRITETEXT("Text"); }).endsWith("bereits Werte geschrieben."));
        cls_File fresh;
        QString text;
        QVERIFY(errorOf([&] { fresh.READ({&text}); }).endsWith("nicht zum Lesen geöffnet."));
    }

    void sealedRefused_data() { addCaseRows(u"sealed-refused"_s, 3); }
    void sealedRefused() {
        auto [change, password, cause] = textFields<3>();
        const QString sealed = store(u"sealed.txt"_s, {Variant(u"Kunde"_s)}, kPassword);
        QList<QByteArray> lines = readBytes(sealed).split('\n');
        QVERIFY(lines.size() == 5 && !readBytes(sealed).contains("Kunde"));
        const int number = change.section(u' ', 1).toInt();
        if (change.startsWith(u"flip"))
            lines[number][lines[number].size() / 2] ^= 1;
        for (int i = 0; change == u"crlf" && i < 4; ++i)
            lines[i] += '\r';
        QByteArray bytes = lines.join('\n');
        if (change.startsWith(u"cut"))
            bytes.chop(number);
        const QString path = write(u"changed.txt"_s, bytes);
        password = password.isEmpty() ? kPassword : password == u"-" ? QString() : password;
        cls_File file;
        const QString message =
            errorOf([&] { file.OPENURL(path, vlt::ID_FileOpen_Input, password); });
        if (cause == u"opens") {
            QString text;
            file.READ({&text});
            QCOMPARE(message + text, u"Kunde"_s);
            return;
        }
        QVERIFY2(message.contains(cause) && message.contains(path), qPrintable(message));
    }
};
CLASSSHAPER_TEST(FileTest);

#include "tst_file.moc"
