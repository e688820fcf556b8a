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
        const QDir golden(kData + u"/golden"_s);
        for (const QString& name : golden.entryList({u"*.vlt-ctf"_s})) {
            const QString base = golden.filePath(QFileInfo(name).completeBaseName());
            QTest::newRow(qPrintable(name)) << golden.filePath(name) << base;
        }
        QTest::newRow("mixed line breaks")
            << kData + u"/templates/custom-mixed-breaks.vlt-ctf"_s << QString();
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

        f.ui.fileChoices.enqueue(f.path(u"modul.cls"_s));
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(readBytes(f.path(u"modul.cls"_s)), readBytes(module + ".cls"));
        QCOMPARE(f.app.currentTemplate->COMPILED, f.path(u"modul.cls"_s));
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
    void failingCreateFileKeepsEverything() {
        WindowFixture f;
        f.app.currentTemplate->COMPILED = u"/frueher/cls_Kunde.cls"_s;
        f.app.changed = false;
        const QString target = f.path(u"fehlt/cls_Kunde.cls"_s);
        f.ui.fileChoices.enqueue(target);
        f.trigger("mnu_FileCreateFile");
        QVERIFY(f.lastShown(u"error"_s).text.contains(u"cls_Kunde.cls"_s));
        QCOMPARE(f.app.currentTemplate->COMPILED, u"/frueher/cls_Kunde.cls"_s);
        QVERIFY(!f.app.changed);
        QVERIFY(!QFile::exists(target));
    }
    void replacedCharactersAreReported() {
        WindowFixture f;
        f.window->txt_Description->setText(u"Kunde \u4E2D \u20AC 😀\u4E2D!"_s);
        const QString target = f.path(u"cls_Kunde.cls"_s);
        f.ui.fileChoices.enqueue(target);
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(f.lastShown(u"info"_s).text,
                 QStringLiteral("Im Modul \"%1\" wurden Zeichen, die Windows-1252 nicht darstellen "
                                "kann, als \"?\" geschrieben: \"\u4E2D\" (U+4E2D), \"😀\" (U+1F600)")
                     .arg(target));
        QVERIFY(readBytes(target).contains("Kunde ? \x80 ?\?!"));
    }
    void differentModuleFileIsReplacedOnlyWhenAgreed_data() {
        addCaseRows(u"module-replacement"_s, 4);
    }
    void differentModuleFileIsReplacedOnlyWhenAgreed() {
        const auto [existing, answer, asked, written] = caseFields<4>();
        WindowFixture f;
        f.app.currentTemplate->COMPILED = u"/frueher/cls_NoName.cls"_s;
        const QString target = f.path(u"cls_NoName.cls"_s);
        const QByteArray module = gen::encodeModule(f.window->hCompile(true)).bytes;
        writeBytes(target, existing.isEmpty() ? module : existing);
        f.ui.fileChoices.enqueue(target);
        f.ui.answers.enqueue(answer == "Ja" ? vlt::ID_Yes : vlt::ID_No);
        f.trigger("mnu_FileCreateFile");
        QCOMPARE(f.ui.kinds().contains(u"overwrite"_s), !asked.isEmpty());
        QCOMPARE(readBytes(target), !written.isEmpty() ? module : existing);
        QCOMPARE(f.app.currentTemplate->COMPILED,
                 !written.isEmpty() ? target : u"/frueher/cls_NoName.cls"_s);
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 (!written.isEmpty() ? u"Modul geschrieben: %1"_s
                                     : u"Kein Modul geschrieben: %1 bleibt unverändert"_s)
                     .arg(target));
    }
    void droppedFiles_data() { addCaseRows(u"dropped-files"_s, 2); }
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
    void importThroughTheMenu_data() { addCaseRows(u"menu-imports"_s, 2); }
    // After the unsaved-changes question, the module's template is shown, unsaved; saving
    // proposes its class name beside the module; a hand edit shows in the diff window.
    void importThroughTheMenu() {
        const auto [edits, statusText] = caseFields<2>();
        const QByteArray module = applyEdits(readBytes(kData + u"/golden/plain.cls"_s), edits);
        const QString status = QString::fromUtf8(statusText);
        WindowFixture f;
        const QString path = f.path(u"Kunde.cls"_s);
        writeBytes(path, module);
        f.window->txt_Author->setText(u"ungespeichert"_s);
        f.app.currentTemplatePath = f.path(u"offen.vlt-ctf"_s); // not written to
        f.ui.answers.enqueue(vlt::ID_Yes);
        f.ui.fileChoices.enqueue(path);
        f.trigger("mnu_FileImport");
        QCOMPARE(f.ui.kinds(), (QStringList{"question", "open"}));
        QCOMPARE(f.lastShown("open").request.filter, u"Klassenmodul|*.cls"_s);
        QCOMPARE(f.window->txt_Name->text(), u"cls_Kunde"_s);
        QCOMPARE(f.rows(), (QStringList{"KundenNr", "Name", "Geburtstag", "Adresse", "Notizen",
                                        "Aktiv", "Umsatz"}));
        QVERIFY(f.app.changed && f.app.currentTemplatePath.isEmpty());
        QVERIFY2(!f.action("mnu_EditUndo")->isEnabled(),
                 "the edits of the template before are no step of this one");
        QCOMPARE(f.app.currentTemplate->COMPILED, path);
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 u"Importiert: %1 – %2"_s.arg(path, status));
        ModuleDiff* diff = f.window->importDiff();
        QCOMPARE(diff != nullptr, status.contains(u"anderes Modul"_s));
        if (diff)
            QVERIFY(diff->text().contains(u"-    pcDone = False\n+    pcDone = True"_s));

        f.trigger("mnu_FileSave");
        QCOMPARE(f.lastShown("save").request.initialFile, f.path(u"cls_Kunde.vlt-ctf"_s));
    }
};

CLASSSHAPER_TEST(OutputTest);

#include "tst_output.moc"
