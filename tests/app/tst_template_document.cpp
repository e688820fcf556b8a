#include "support/CaseTable.h"
#include "support/ScriptedUi.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "app/document/AppState.h"
#include "app/document/TemplateDocument.h"

namespace {

QStringList stateOf(AppState& app) {
    return describe(*app.currentTemplate) + QStringList{app.currentTemplatePath, app.templateFolder,
                                                        app.changed ? u"geändert"_s : QString()};
}

} // namespace

class TemplateDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void cancelledDialog_data() { addCaseRows(u"document-dialogs"_s, 4); }
    void cancelledDialog() {
        const auto [command, currentPath, folder, initial] = caseFields<4>();
        ScriptedUi ui;
        AppState app(ui);
        app.currentTemplate->CLASSNAME = u"cls_Kunde"_s;
        app.currentTemplatePath = QString::fromUtf8(currentPath);
        app.templateFolder = QString::fromUtf8(folder);
        app.changed = true;
        const QStringList before = stateOf(app);
        QVERIFY(!(command == "save" ? saveTemplate(app) : openTemplate(app)));
        QCOMPARE(ui.kinds(), QStringList{QString::fromUtf8(command)});
        QCOMPARE(ui.shown.first().request.initialFile, QString::fromUtf8(initial));
        QCOMPARE(stateOf(app), before);
    }
    // Saving takes the folder of the saved file, opening the folder of the file current before.
    void templateFolderRule() {
        for (const char* folder : {"F", "G", "H"})
            QVERIFY(QDir(m_dir.path()).mkpath(QString::fromLatin1(folder)));
        ScriptedUi ui;
        AppState app(ui);
        for (const char* file : {"F/a.vlt-ctf", "G/b.vlt-ctf", "H/c.vlt-ctf"})
            QVERIFY(saveTemplate(app, path(QString::fromLatin1(file))));
        ui.fileChoices.enqueue(path(u"F/a.vlt-ctf"_s));
        QVERIFY(saveTemplate(app));
        QCOMPARE(app.templateFolder, path(u"F/"_s));
        app.changed = true;
        QVERIFY(openTemplate(app, path(u"G/b.vlt-ctf"_s)));
        QCOMPARE(app.templateFolder, path(u"F/"_s));
        QVERIFY(!app.changed);
        ui.fileChoices.enqueue(path(u"H/c.vlt-ctf"_s));
        QVERIFY(openTemplate(app));
        QCOMPARE(app.templateFolder, path(u"G/"_s));
        QCOMPARE(app.currentTemplatePath, path(u"H/c.vlt-ctf"_s));
    }

    void failureKeepsTemplateAndState() {
        ScriptedUi ui;
        AppState app(ui);
        fillEveryField(*app.currentTemplate);
        app.currentTemplatePath = u"/vorher/alt.vlt-ctf"_s;
        app.changed = true;
        const QString damaged = path(u"kaputt.vlt-ctf"_s);
        writeBytes(damaged, "VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:1\nEND\n");
        const QString missingFolder = path(u"fehlt/x.vlt-ctf"_s);
        const QStringList before = stateOf(app);
        QVERIFY(errorOf([&] { openTemplate(app, damaged); }).contains(damaged));
        // The folder is taken before the file is read or written, so it stays after a failure.
        QCOMPARE(app.templateFolder, u"/vorher/"_s);
        app.templateFolder.clear();
        QCOMPARE(stateOf(app), before);
        QVERIFY(errorOf([&] { saveTemplate(app, missingFolder); }).contains(missingFolder));
        QCOMPARE(app.currentTemplatePath, u"/vorher/alt.vlt-ctf"_s);
        QVERIFY(app.changed);
        QCOMPARE(app.templateFolder, path(u"fehlt/"_s));
    }
};
CLASSSHAPER_TEST(TemplateDocumentTest);

#include "tst_template_document.moc"
