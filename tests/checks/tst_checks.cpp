// The template checks: each rule on its case, every reserved word, and clashes among many names
// (classshaper-gen reports them: tests/data/cli/cases.txt).
#include "support/CaseTable.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "generator/Checks.h"

namespace {

void setField(cls_Class& tpl, const QString& assignment) {
    static const QHash<QString, QString cls_Class::*> kFields{
        {"CLASSNAME", &cls_Class::CLASSNAME},     {"PROJECT", &cls_Class::PROJECT},
        {"FILENAME", &cls_Class::FILENAME},       {"AUTHOR", &cls_Class::AUTHOR},
        {"COPYRIGHT", &cls_Class::COPYRIGHT},     {"BUILD", &cls_Class::BUILD},
        {"DESCRIPTION", &cls_Class::DESCRIPTION}, {"CUSTOM", &cls_Class::CUSTOM}};
    const qsizetype equals = assignment.indexOf(u'=');
    QVERIFY2(kFields.contains(assignment.left(equals)), qPrintable(assignment));
    tpl.*kFields.value(assignment.left(equals)) = assignment.mid(equals + 1);
}

// Sorted, so that a case table row need not follow the order in which the rules run.
QStringList describeAll(const std::vector<gen::Finding>& findings) {
    QStringList lines;
    for (const gen::Finding& finding : findings)
        lines.append(gen::describe(finding));
    lines.sort();
    return lines;
}

} // namespace

class ChecksTest : public QObject {
    Q_OBJECT
private slots:
    void rules_data() { addCaseRows(u"check-rules"_s, 5); }
    void rules() {
        const auto [members, options, itemType, fields, expected] = textFields<5>();
        cls_Class tpl;
        tpl.COPYRIGHT = u"(c) 2026 Veltrane"_s;
        tpl.BUILD = u"2026-01-15"_s;
        buildTemplate(tpl, members, options, itemType);
        for (const QString& assignment : fields.split(u';', Qt::SkipEmptyParts))
            setField(tpl, assignment);
        QStringList wanted = expected.split(u" ;; "_s, Qt::SkipEmptyParts);
        wanted.sort();
        QCOMPARE(describeAll(gen::checkTemplate(tpl)), wanted);
    }
    void everyReservedWordIsRefusedAsName() {
        QStringList words;
        for (const QByteArray& line :
             readBytes(testData("cases/vb-reserved-words.txt")).split('\n'))
            if (!line.startsWith('#'))
                words += QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
        cls_Class tpl;
        buildTemplate(tpl, words.join(u":Long;"_s) + u":Long"_s);
        const QStringList found = describeAll(gen::checkTemplate(tpl));
        for (qsizetype i = 0; i < words.size(); ++i)
            QVERIFY2(
                found.contains(QStringLiteral("Mitglied %1 \"%2\": Fehler: Name \"%2\" ist ein "
                                              "reserviertes Wort von Visual Basic")
                                   .arg(i + 1)
                                   .arg(words[i])),
                qPrintable(words[i]));
    }
};

CLASSSHAPER_TEST(ChecksTest);
#include "tst_checks.moc"
