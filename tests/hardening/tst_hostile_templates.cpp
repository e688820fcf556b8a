#include "HardeningSupport.h"

#include "support/ScriptedUi.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A real template file, cut into its lines (without line breaks).
QList<QByteArray> validTemplateLines() {
    ScriptedUi ui;
    AppState app(ui);
    fillTemplate(*app.currentTemplate, QStringLiteral("cls_Quelle"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quelle.vlt-ctf"));
    app.currentTemplate->SAVE(app, path);
    QList<QByteArray> lines = readBytes(path).split('\n');
    lines.removeLast();
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join('\n') + '\n';
}

// Value lines that are well formed; whether they fit depends on the position.
const QList<QByteArray> kWellFormed = {
    "E",        "B:-1", "B:0",   "L:0",   "L:-1",  "L:2147483647", "L:-2147483648", "D:1.5",
    "D:-1e308", "S:",   "S:1.0", "S:1.3", "S:9.9", "S:True",       "S:12",          "S:x\\ny"};

// Lines that no position accepts.
const QList<QByteArray> kMalformed = {"",
                                      "X:1",
                                      "B:1",
                                      "B:",
                                      "L:",
                                      "L:2147483648",
                                      "L:1.5",
                                      "L: 1",
                                      "D:",
                                      "D:0x1p3",
                                      "D:1e999",
                                      "S",
                                      "S:\\q",
                                      "S:ab\\",
                                      "S:\xff",
                                      "S:\xc3",
                                      "S:\xed\xa0\x80",
                                      QByteArray("L:1\0", 4),
                                      "E ",
                                      "VLTFILE 1",
                                      "S:\xc0\xaf"};

QByteArray printable(const QByteArray& line) {
    return line.toPercentEncoding(":-. ");
}

} // namespace

class HostileTemplateTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedUi m_ui;

    // Loads `bytes` over a template that holds other values; a refused file must name itself
    // and leave the template, its path and the changed flag as they were.
    QString loadOverCurrent(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("feindlich.vlt-ctf"));
        writeBytes(path, bytes);
        AppState app(m_ui);
        fillTemplate(*app.currentTemplate, QStringLiteral("cls_Vorher"));
        app.currentTemplatePath = QStringLiteral("/vorher/vorher.vlt-ctf");
        app.changed = true;
        const QStringList before = snapshot(app);
        try {
            app.currentTemplate->LOAD(app, path);
        } catch (const vlt::Error& error) {
            if (!error.message().contains(path) || snapshot(app) != before)
                return QStringLiteral("unsafe: ") + error.message();
            return error.message();
        }
        return QString();
    }

private slots:
    void everyLineKindInEveryPosition_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("mustFail");
        const QList<QByteArray> lines = validTemplateLines();
        for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
            for (const QByteArray& line : kWellFormed + kMalformed) {
                QList<QByteArray> changed = lines;
                changed[i] = line;
                QTest::addRow("line %lld = %s", static_cast<long long>(i + 1),
                              printable(line).constData())
                    << joined(changed) << kMalformed.contains(line);
            }
        }
    }

    void everyLineKindInEveryPosition() {
        QFETCH(QByteArray, file);
        QFETCH(bool, mustFail);
        const QString message = loadOverCurrent(file);
        QVERIFY2(!message.startsWith(QLatin1String("unsafe")), qPrintable(message));
        if (mustFail)
            QVERIFY(!message.isEmpty());
    }

    void damagedStructure_data() {
        QTest::addColumn<QByteArray>("file");
        const QList<QByteArray> lines = validTemplateLines();
        const QByteArray valid = joined(lines);
        for (qsizetype keep = 0; keep + 1 < lines.size(); ++keep)
            QTest::addRow("cut after line %lld", static_cast<long long>(keep))
                << joined(lines.first(keep));
        QTest::newRow("cut in the middle of a line") << valid.first(valid.size() / 2);
        QTest::newRow("values after END") << valid + "S:mehr\n";
        QTest::newRow("END twice") << valid + "END\n";
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("only a line break") << QByteArray("\n");
        QTest::newRow("newer format") << QByteArray("VLTFILE 2\nEND\n");
        QTest::newRow("foreign header") << QByteArray("<?xml version=\"1.0\"?>\n");
        QTest::newRow("NUL in header") << QByteArray("VLTFILE\0 1\nEND\n", 15);
        QTest::newRow("sealed without password") << QByteArray("VLTFILE 1 SEALED\nAA==\n");
        QTest::newRow("negative member count")
            << QByteArray("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:-1\nEND\n");
        QTest::newRow("member count far beyond the file")
            << QByteArray("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:2147483647\nS:1.2\nEND\n");
        QTest::newRow("member count as text")
            << QByteArray("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nS:viele\nEND\n");
        QTest::newRow("member count as Double")
            << QByteArray("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nD:1e300\nEND\n");
    }

    void damagedStructure() {
        QFETCH(QByteArray, file);
        const QString message = loadOverCurrent(file);
        QVERIFY2(!message.isEmpty(), "the damaged file was accepted");
        QVERIFY2(!message.startsWith(QLatin1String("unsafe")), qPrintable(message));
    }

    // Member records of unknown versions stop without error, so a file may stack very many of
    // them; each costs one line and nothing more.
    void deeplyStackedVersionsLoad() {
        constexpr int count = 200000;
        QByteArray bytes("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:200000\n");
        for (int i = 0; i < count; ++i)
            bytes += "S:1.3\n";
        bytes +=
            "S:cls_Tief\nS:\nS:\nS:\nS:\nS:\nS:\nS:\nS:\nB:0\nB:0\nB:0\nB:0\nB:0\nS:\nB:0\nEND\n";
        const QString path = m_dir.filePath(QStringLiteral("versionen.vlt-ctf"));
        writeBytes(path, bytes);
        AppState app(m_ui);
        QVERIFY(app.currentTemplate->LOAD(app, path));
        QCOMPARE(app.currentTemplate->MEMBERS().COUNT(), count);
    }

    // A count in the file never decides how much is reserved: the huge count fails at the end
    // of the file at once instead of asking for gigabytes first.
    void hugeCountFailsFast() {
        QElapsedTimer timer;
        timer.start();
        const QString message = loadOverCurrent(
            "VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:2147483647\nS:1.0\nS:a\nS:b\nB:0\nB:0\nEND\n");
        QVERIFY(!message.isEmpty());
        QVERIFY2(timer.elapsed() < 2000, "the count drove the work");
    }
};

int runHostileTemplateTests(int argc, char** argv) {
    HostileTemplateTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_templates.moc"
