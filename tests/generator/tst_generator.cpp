// The generator's rules, each a template and the lines its module must and must not hold
// (tests/data/rules/*.txt), the encoder, and the streamed module file.
#include "support/CaseTable.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "generator/Generator.h"
#include "generator/LineDiff.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

namespace {

const QString kSeparator = u"'"_s + QString(139, QChar(0x20AC));

// A rule file: "key: value" lines describe the template, then the sections "must:" (blocks of
// whole lines, separated by "--"), "must not:" (texts), "first:" and "last:" (the module's
// first and last lines). Lines are taken verbatim, trailing blanks included.
struct Rule {
    QMap<QString, QString> fields;
    QList<QStringList> must;
    QStringList mustNot, first, last;
};

Rule readRule(const QString& path) {
    QStringList lines = QString::fromUtf8(readBytes(path)).split(u'\n');
    lines.removeLast();
    Rule rule;
    QStringList* section = nullptr;
    for (QString line : lines) {
        line.replace("{separator}"_L1, kSeparator);
        if (line == "must:"_L1 || line == "--"_L1)
            section = &rule.must.emplace_back();
        else if (line == "must not:"_L1)
            section = &rule.mustNot;
        else if (line == "first:"_L1)
            section = &rule.first;
        else if (line == "last:"_L1)
            section = &rule.last;
        else if (section)
            section->append(line);
        else if (!line.startsWith(u'#'))
            rule.fields.insert(line.section(": "_L1, 0, 0),
                               QString::fromUtf8(unescaped(line.section(": ", 1).toUtf8())));
    }
    return rule;
}

QString joined(const QStringList& lines) {
    return lines.join("\r\n"_L1);
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void rule_data() {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(DATA_DIR "/rules"));
        for (const QString& name : dir.entryList({u"*.txt"_s}))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
        QVERIFY(dir.entryList().size() > 20);
    }

    // Also: the template is only read, so its package is the same before and after.
    void rule() {
        QFETCH(QString, path);
        const Rule rule = readRule(path);
        cls_Class tpl;
        buildTemplate(tpl, rule.fields.value("members"), rule.fields.value("options"),
                      rule.fields.value("itemtype"));
        tpl.CUSTOM = rule.fields.value(u"custom"_s);
        tpl.DESCRIPTION = rule.fields.value(u"description"_s);
        const QString before = tpl.DATA.PACKAGE();
        const QString text = gen::hCompile(tpl, rule.fields.value("attributes") != "no");
        const QString framed = u"\r\n%1\r\n"_s.arg(text);
        for (const QStringList& block : rule.must)
            QVERIFY2(framed.contains(u"\r\n%1\r\n"_s.arg(joined(block))),
                     qPrintable(u"missing:\n"_s + joined(block)));
        for (const QString& absent : rule.mustNot)
            QVERIFY2(!text.contains(absent), qPrintable(u"found: "_s + absent));
        QVERIFY2(text.startsWith(joined(rule.first)), qPrintable(text.left(300)));
        QVERIFY2(text.endsWith(joined(rule.last)), qPrintable(text.right(300)));
        QCOMPARE(tpl.DATA.PACKAGE(), before);
    }

    void encoding_data() { addCaseRows(u"encodings"_s, 3); }
    void encoding() {
        const auto [text, bytes, replaced] = caseFields<3>();
        const gen::EncodedModule encoded = gen::encodeModule(QString::fromUtf8(text));
        QCOMPARE(encoded.bytes, bytes);
        QCOMPARE(encoded.replaced, QString::fromUtf8(replaced));
        QCOMPARE(gen::encodeModule(QString(QChar(0xD800))).bytes, "?"); // a lone surrogate
        // Read back, the bytes the code page leaves undefined are U+FFFD.
        QCOMPARE(gen::decodeModule("\x80\x81\x9F"), u"\u20AC\uFFFD\u0178"_s);
    }

    void unifiedDiff_data() { addCaseRows(u"line-diffs"_s, 3); }
    void unifiedDiff() {
        const auto [old, changed, diff] = caseFields<3>();
        const auto text = [](const QByteArray& words) {
            return QString::fromUtf8(words).split(u' ', Qt::SkipEmptyParts).join("\r\n");
        };
        QCOMPARE(gen::unifiedDiff(text(old), text(changed)).replace(u'\n', u" / "_s).trimmed(),
                 QString::fromUtf8(diff));
    }

    // The golden templates, and custom code that crosses many chunk boundaries with characters
    // outside the BMP and with lone surrogates.
    void streamedFile_data() {
        QTest::addColumn<QString>("templatePath");
        QTest::addColumn<QString>("custom");
        const QDir golden(QStringLiteral(DATA_DIR "/golden"));
        for (const QString& name : golden.entryList({u"*.vlt-ctf"_s}))
            QTest::newRow(qPrintable(name)) << golden.filePath(name) << QString();
        QTest::newRow("long custom code")
            << golden.filePath(u"plain.vlt-ctf"_s) << u"Ω x\U0001F600"_s.repeated(40000);
        QTest::newRow("lone surrogates at chunk boundaries")
            << golden.filePath(u"plain.vlt-ctf"_s) << (QChar(0xD83D) + u"x"_s).repeated(40000);
    }

    void streamedFile() {
        QFETCH(QString, templatePath);
        QFETCH(QString, custom);
        cls_Class tpl;
        readTemplate(templatePath, tpl);
        if (!custom.isEmpty())
            tpl.CUSTOM = custom;
        const gen::EncodedModule expected = gen::encodeModule(gen::hCompile(tpl, true));
        QTemporaryDir dir;
        const QString target = dir.filePath(u"modul.cls"_s);

        const gen::ModuleWrite first = gen::writeModuleFile(target, tpl, gen::ModuleForm{});
        QVERIFY(first.changed);
        QCOMPARE(first.replaced, expected.replaced);
        QCOMPARE(readBytes(target), expected.bytes);

        QVERIFY(!gen::writeModuleFile(target, tpl, gen::ModuleForm{}).changed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }
};

CLASSSHAPER_TEST(GeneratorTest);
#include "tst_generator.moc"
