// classshaper-gen run as a process, as build scripts run it: the golden modules byte for byte
// and the cases of tests/data/cli/cases.txt.
//
// Refresh the golden modules after an intended change, then read the diff:
//   CLASSSHAPER_UPDATE_GOLDEN=1 ctest --test-dir build -R tst_cli
#include "support/SampleProject.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "model/Class.h"
#include "model/TemplateFile.h"

#include <optional>

namespace {

const QDir kGolden(QStringLiteral(DATA_DIR "/golden"));

struct Result {
    int exitCode;
    QByteArray out;
    QString err;
};

Result runGenerator(const QStringList& arguments, const QString& workingDir = QString(),
                    const QString& outputFile = QString()) {
    QProcess process;
    process.setWorkingDirectory(workingDir);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(GEN_EXECUTABLE), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// One case of the table, carried out in its own folder.
class Case {
public:
    explicit Case(const QString& folder) : m_dir(folder) {}

    void apply(const QString& directive, const QString& value) {
        const QString first = value.section(u' ', 0, 0);
        const QString rest = value.section(u' ', 1);
        if (directive == "template")
            copyTemplate(first, rest.split(u' '));
        else if (directive == "put")
            writeBytes(path(first), content(rest));
        else if (directive == "mkdir")
            QDir(m_dir).mkpath(first);
        else if (directive == "old")
            makeOld(path(first));
        else if (directive == "sample")
            m_sample.emplace(m_dir);
        else if (directive == "rm")
            QFile::remove(path(first));
        else if (directive == "lf")
            writeBytes(path(first), readBytes(path(first)).replace("\r\n", "\n"));
        else if (directive == "run")
            run(value);
        else if (directive == "run on a full disk")
            run(value, u"/dev/full"_s);
        else
            check(directive, first, rest, value);
    }

private:
    QString path(const QString& name) const { return QDir(m_dir).filePath(name); }
    QString expanded(QString text) const {
        return text.replace("$DIR"_L1, m_dir)
            .replace("@golden/"_L1, kGolden.path() + u'/')
            .replace("@data/"_L1, QStringLiteral(DATA_DIR "/"))
            .replace("@examples/"_L1, QStringLiteral(EXAMPLES_DIR "/"));
    }
    QByteArray content(const QString& text) const {
        if (text.startsWith(u'@'))
            return readBytes(expanded(text));
        return QString(text).replace("\\r"_L1, "\r").replace("\\n", "\n").toUtf8();
    }
    void copyTemplate(const QString& name, const QStringList& fields) {
        cls_Class tpl;
        readTemplate(kGolden.filePath(fields[0] + ".vlt-ctf"), tpl);
        for (const QString& field : fields.mid(1)) {
            const QString value = expanded(field.section(u'=', 1));
            (field.startsWith("COMPILED="_L1) ? tpl.COMPILED : tpl.CLASSNAME) = value;
        }
        writeTemplate(path(name), tpl);
        m_times[name] = QFileInfo(path(name)).lastModified();
    }
    void makeOld(const QString& file) {
        QFile handle(file);
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        QVERIFY(handle.open(QIODevice::ReadWrite) &&
                handle.setFileTime(old, QFileDevice::FileModificationTime));
        m_times[QDir(m_dir).relativeFilePath(file)] = QFileInfo(file).lastModified();
    }
    void run(const QString& arguments, const QString& outputFile = QString()) {
        QStringList list;
        for (const QString& argument : arguments.split(u' ', Qt::SkipEmptyParts))
            list.append(expanded(argument));
        m_result = runGenerator(list, m_dir, outputFile);
        m_templates = list.filter(u".vlt-ctf"_s);
    }
    void check(const QString& directive, const QString& first, const QString& rest,
               const QString& value) {
        if (directive == "exit")
            QVERIFY2(m_result.exitCode == value.toInt(), qPrintable(m_result.err));
        else if (directive == "stderr has")
            QVERIFY2(m_result.err.contains(expanded(value)), qPrintable(m_result.err));
        else if (directive == "lines with")
            QVERIFY2(QString::fromUtf8(m_result.out).split(u'\n').filter(rest).size() ==
                         first.toInt(),
                     m_result.out.constData());
        else if (directive == "stderr is")
            QCOMPARE(withTemplatesNamed(m_result.err), QString::fromUtf8(content(value)));
        else if (directive == "stdout is")
            QCOMPARE(m_result.out, content(value));
        else if (directive == "file is")
            QCOMPARE(readBytes(path(first)), content(rest));
        else if (directive == "kept")
            QCOMPARE(QFileInfo(path(first)).lastModified(), m_times.value(first));
        else if (directive == "exists")
            QVERIFY2(QFile::exists(path(first)), qPrintable(first));
        else if (directive == "files")
            QCOMPARE(QDir(m_dir).entryList(QDir::Files).size(), value.toInt());
        else
            QFAIL(qPrintable("unknown directive " + directive));
    }

    QString withTemplatesNamed(QString text) const {
        for (const QString& file : m_templates)
            text.replace(file, u"VORLAGE"_s);
        return text;
    }

    QString m_dir;
    Result m_result;
    QStringList m_templates;
    std::optional<SampleProject> m_sample;
    QMap<QString, QDateTime> m_times;
};

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // Every line of the help, as a build script's author reads it.
    void help() {
        const Result result = runGenerator({u"--help"_s});
        QCOMPARE(result.exitCode, 0);
        compareWithGolden(QString::fromUtf8(result.out).split(u'\n'), "cli/help.txt");
    }

    void golden_data() {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("suffix");
        for (const QString& file : kGolden.entryList({u"*.vlt-ctf"_s})) {
            const QString name = QFileInfo(file).completeBaseName();
            QTest::addRow("%s", qPrintable(name)) << name << "--stdout"
                                                  << ".cls";
            QTest::addRow("%s without attributes", qPrintable(name)) << name << "--no-attributes"
                                                                     << ".noattr.cls";
        }
    }

    // Also: traced, the module is the golden one with a comment naming file and line before
    // every line.
    void golden() {
        QFETCH(QString, templateName);
        QFETCH(QString, option);
        QFETCH(QString, suffix);
        const QString expectedPath = kGolden.filePath(templateName + suffix);
        const QString templatePath = kGolden.filePath(templateName + ".vlt-ctf");
        const Result result = runGenerator({"--stdout", option, templatePath});
        QCOMPARE(result.exitCode, 0);
        if (qEnvironmentVariableIntValue("CLASSSHAPER_UPDATE_GOLDEN") == 1)
            return writeBytes(expectedPath, result.out);
        // Compared line by line, so that a failure names the first line that differs.
        const QByteArray expected = readBytes(expectedPath);
        QCOMPARE(result.out.split('\n'), expected.split('\n'));

        const Result traced = runGenerator({"--stdout", "--trace", option, templatePath});
        QString text = QString::fromLatin1(traced.out);
        text.remove(QRegularExpression(u"' gen: [A-Za-z]+\\.(cpp|h):\\d+\\r\\n"_s));
        QCOMPARE(text.toLatin1(), expected);
        QVERIFY(traced.out.count("' gen: ") * 2 > expected.count('\n'));
    }

    void table_data() {
        QTest::addColumn<QStringList>("steps");
        const QString text =
            QString::fromUtf8(readBytes(QStringLiteral(DATA_DIR "/cli/cases.txt")));
        for (const QString& block : text.split(u"\ncase: "_s).mid(1)) {
            QStringList steps = block.split(u'\n', Qt::SkipEmptyParts);
            const QString name = steps.takeFirst();
            QTest::newRow(qPrintable(name)) << steps;
        }
    }

    void table() {
        QFETCH(QStringList, steps);
        QTemporaryDir dir;
        Case run(dir.path());
        for (const QString& step : steps) {
            const QString directive = step.section(u':', 0, 0);
            run.apply(directive, step.mid(directive.size() + 2));
            if (QTest::currentTestFailed())
                return qWarning("at %s", qPrintable(step));
        }
    }
};

CLASSSHAPER_TEST(CommandLineTest);
#include "tst_cli.moc"
