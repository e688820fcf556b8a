#include "WindowFixture.h"
#include "support/CaseTable.h"

#include "app/preview/ModuleDiff.h"
#include "app/viewer/CodeViewer.h"

#include "generator/ModuleOutput.h"

namespace {

const QString kData = QStringLiteral(DATA_DIR);

// Opens a copy of the template through the window's Open command; returns the copy's path.
QString openCopy(WindowFixture& f, const QString& original) {
    const QString copy = f.path(QFileInfo(original).fileName());
    QFile::copy(original, copy);
    f.ui.fileChoices.enqueue(copy);
    f.trigger("mnu_FileOpen");
    return copy;
}

} // namespace

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void everyOutputOfTheWindowWritesTheGoldenBytes_data() {
        QTest::addColumn<QString>("templateFile");
        QTest::addColumn<QString>("module"); // golden module without extension, or none
        const QDir golden(kData + QStringLiteral("/golden"));
        for (const QString& name : golden.entryList({QStringLiteral("*.vlt-ctf")})) {
            const QString base = golden.filePath(QFileInfo(name).completeBaseName());
            QTest::newRow(qPrintable(name)) << golden.filePath(name) << base;
        }
        QTest::newRow("mixed line breaks")
            << kData + QStringLiteral("/templates/custom-mixed-breaks.vlt-ctf") << QString();
        QTest::newRow("example") << QStringLiteral(EXAMPLES_DIR "/Kunde.vlt-ctf") << QString();
    }
    // Open, a cancelled "In Datei", Save: the template keeps every byte. "In Datei", the clipboard
    // and the viewer hold the generator's golden module; the module's new target marks the
    // template unsaved.
    void everyOutputOfTheWindowWritesTheGoldenBytes() {
        QFETCH(QString, templateFile);
        QFETCH(QString, module);
        WindowFixture f;
        f.window->move(40, 50);
        const QString copy = openCopy(f, templateFile);
        QCOMPARE(f.app.currentTemplatePath, copy);
        f.trigger("mnu_FileCreateFile");
        f.trigger("mnu_FileSave");
        QCOMPARE(f.ui.kinds(), (QStringList{"open", "save"}));
        QCOMPARE(readBytes(copy), readBytes(templateFile));
        if (module.isEmpty())
            return;

        f.ui.fileChoices.enqueue(f.path(QStringLiteral("modul.cls")));
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(readBytes(f.path(QStringLiteral("modul.cls"))), readBytes(module + ".cls"));
        QCOMPARE(f.app.currentTemplate->COMPILED, f.path(QStringLiteral("modul.cls")));
        QVERIFY2(f.app.changed && f.window->isWindowModified(), "the new target is yet unsaved");
        f.trigger("mnu_FileCreateClipboard");
        QCOMPARE(gen::encodeModule(QGuiApplication::clipboard()->text()).bytes,
                 readBytes(module + ".noattr.cls"));
        QGuiApplication::clipboard()->setText(QString());
        f.trigger("mnu_FileCompileNotepad");
        const QString clipboard = QGuiApplication::clipboard()->text();
        QCOMPARE(gen::encodeModule(clipboard).bytes, readBytes(module + ".noattr.cls"));
        QCOMPARE(f.window->viewer()->text(), QString(clipboard).replace("\r\n", "\n"));
        // 900×700 where the screen has room, on the test's 800×800 screen nine tenths of its width.
        QCOMPARE(f.window->viewer()->size(), QSize(720, 700));
        // No room to the right of the window: to its left, at the screen's edge, level with it.
        QCOMPARE(f.window->viewer()->x(), 0);
        QVERIFY(qAbs(f.window->viewer()->y() - f.window->y()) <= 4);
    }
    void proposalStartsWhereTheModuleWent_data() {
        addCaseRows(QStringLiteral("module-proposals"), 3);
    }
    void proposalStartsWhereTheModuleWent() {
        const auto [templatePath, compiled, proposal] = textFields<3>();
        WindowFixture f;
        f.app.currentTemplatePath = templatePath;
        f.app.templateFolder = QStringLiteral("/vorlagen/");
        f.app.currentTemplate->COMPILED = compiled;
        f.window->txt_Name->setText(QStringLiteral("Kunde"));
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(f.lastShown(QStringLiteral("save")).request.initialFile, proposal);
        QCOMPARE(f.app.currentTemplate->COMPILED, compiled);
    }
    void failingCreateFileKeepsEverything() {
        WindowFixture f;
        f.app.currentTemplate->COMPILED = QStringLiteral("/frueher/cls_Kunde.cls");
        f.app.changed = false;
        const QString target = f.path(QStringLiteral("fehlt/cls_Kunde.cls"));
        f.ui.fileChoices.enqueue(target);
        f.trigger("mnu_FileCreateFile");
        QVERIFY(
            f.lastShown(QStringLiteral("error")).text.contains(QStringLiteral("cls_Kunde.cls")));
        QCOMPARE(f.app.currentTemplate->COMPILED, QStringLiteral("/frueher/cls_Kunde.cls"));
        QVERIFY(!f.app.changed);
        QVERIFY(!QFile::exists(target));
    }
    void replacedCharactersAreReported() {
        WindowFixture f;
        f.window->txt_Description->setText(QStringLiteral("Kunde \u4E2D \u20AC 😀\u4E2D!"));
        const QString target = f.path(QStringLiteral("cls_Kunde.cls"));
        f.ui.fileChoices.enqueue(target);
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(f.lastShown(QStringLiteral("info")).text,
                 QStringLiteral("Im Modul \"%1\" wurden Zeichen, die Windows-1252 nicht darstellen "
                                "kann, als \"?\" geschrieben: \"\u4E2D\" (U+4E2D), \"😀\" (U+1F600)")
                     .arg(target));
        QVERIFY(readBytes(target).contains("Kunde ? \x80 ?\?!"));
    }
    void differentModuleFileIsReplacedOnlyWhenAgreed_data() {
        addCaseRows(QStringLiteral("module-replacement"), 4);
    }
    void differentModuleFileIsReplacedOnlyWhenAgreed() {
        const auto [existing, answer, asked, written] = caseFields<4>();
        WindowFixture f;
        f.app.currentTemplate->COMPILED = QStringLiteral("/frueher/cls_NoName.cls");
        const QString target = f.path(QStringLiteral("cls_NoName.cls"));
        const QByteArray module = gen::encodeModule(f.window->hCompile(true)).bytes;
        writeBytes(target, existing.isEmpty() ? module : existing);
        f.ui.fileChoices.enqueue(target);
        f.ui.answers.enqueue(answer == "Ja" ? vlt::ID_Yes : vlt::ID_No);
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(f.ui.kinds().contains(QStringLiteral("overwrite")), !asked.isEmpty());
        QCOMPARE(readBytes(target), !written.isEmpty() ? module : existing);
        QCOMPARE(f.app.currentTemplate->COMPILED,
                 !written.isEmpty() ? target : QStringLiteral("/frueher/cls_NoName.cls"));
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 (!written.isEmpty()
                      ? QStringLiteral("Modul geschrieben: %1")
                      : QStringLiteral("Kein Modul geschrieben: %1 bleibt unverändert"))
                     .arg(target));
    }
    void droppedFiles_data() { addCaseRows(QStringLiteral("dropped-files"), 2); }
    // A module dropped on the window is imported, a template opened; nothing else is taken.
    void droppedFiles() {
        const auto [fileNames, opened] = textFields<2>();
        const QStringList files = fileNames.split(u' ');
        WindowFixture f;
        QList<QUrl> urls;
        for (const QString& file : files) {
            urls.append(QUrl::fromLocalFile(f.path(file)));
            QFile::copy(kData +
                            (file.endsWith(".cls") ? "/golden/plain.cls" : "/golden/plain.vlt-ctf"),
                        f.path(file));
        }
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QCOMPARE(enter.isAccepted(), !opened.isEmpty());
        if (opened.isEmpty())
            return;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        QTRY_COMPARE(f.window->txt_Name->text(), opened);
        QCOMPARE(f.app.currentTemplatePath,
                 files[0].endsWith(".cls") ? QString() : f.path(files[0]));
    }
    void importThroughTheMenu_data() { addCaseRows(QStringLiteral("menu-imports"), 2); }
    // After the unsaved-changes question, the module's template is shown, unsaved; saving
    // proposes its class name beside the module; a hand edit shows in the diff window.
    void importThroughTheMenu() {
        const auto [edits, statusText] = caseFields<2>();
        const QByteArray module =
            applyEdits(readBytes(kData + QStringLiteral("/golden/plain.cls")), edits);
        const QString status = QString::fromUtf8(statusText);
        WindowFixture f;
        const QString path = f.path(QStringLiteral("Kunde.cls"));
        writeBytes(path, module);
        f.window->txt_Author->setText(QStringLiteral("ungespeichert"));
        f.app.currentTemplatePath = f.path(QStringLiteral("offen.vlt-ctf")); // not written to
        f.ui.answers.enqueue(vlt::ID_Yes);
        f.ui.fileChoices.enqueue(path);
        f.trigger("mnu_FileImport");
        QCOMPARE(f.ui.kinds(), (QStringList{"question", "open"}));
        QCOMPARE(f.lastShown("open").request.filter, QStringLiteral("Klassenmodul|*.cls"));
        QCOMPARE(f.window->txt_Name->text(), QStringLiteral("cls_Kunde"));
        QCOMPARE(f.rows(), (QStringList{"KundenNr", "Name", "Geburtstag", "Adresse", "Notizen",
                                        "Aktiv", "Umsatz"}));
        QVERIFY(f.app.changed && f.app.currentTemplatePath.isEmpty());
        QVERIFY2(!f.window->findChild<QAction*>("mnu_EditUndo")->isEnabled(),
                 "the edits of the template before are no step of this one");
        QCOMPARE(f.app.currentTemplate->COMPILED, path);
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 QStringLiteral("Importiert: %1 – %2").arg(path, status));
        ModuleDiff* diff = f.window->importDiff();
        QCOMPARE(diff != nullptr, status.contains(QStringLiteral("anderes Modul")));
        if (diff)
            QVERIFY(
                diff->text().contains(QStringLiteral("-    pcDone = False\n+    pcDone = True")));

        f.trigger("mnu_FileSave");
        QCOMPARE(f.lastShown("save").request.initialFile,
                 f.path(QStringLiteral("cls_Kunde.vlt-ctf")));
    }
};

CLASSSHAPER_TEST(OutputTest);

#include "tst_output.moc"
