// The real Qt dialogs behind the dialog service, as the user sees them: title, filters, the
// filter chosen, the folder, whether replacing a file asks, the buttons of a question and which
// one Return and Escape take.
#include "WindowFixture.h"
#include "support/CaseTable.h"

#include "app/dialogs/QtUiServices.h"

namespace {

// Calls `look` with the modal dialog once it shows; `look` closes it.
template <class Dialog, class Look> void whenShown(Look look) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            look(*dialog);
            if (dialog->isVisible()) // a failed check left it open: the test ends, not hangs
                QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    poll->start(10);
}

// Types the name into the dialog's file name field, as the user does, and accepts.
void choose(QFileDialog& dialog, const QString& path) {
    dialog.findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(path);
    QMetaObject::invokeMethod(&dialog, "accept");
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void openDialogsShowFiltersAndFolder() {
        QTemporaryDir folder;
        writeBytes(folder.filePath("a.vlt-ctf"), "x");
        QtUiServices ui;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), u"Klassenvorlage laden"_s);
            QCOMPARE(dialog.nameFilters(),
                     (QStringList{"Klassenvorlage (*.vlt-ctf)", "Alle Dateien (*.* *)"}));
            QCOMPARE(dialog.selectedNameFilter(), u"Alle Dateien (*.* *)"_s);
            QCOMPARE(dialog.directory().path(), folder.path());
            QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
            // The pattern opens its folder; the name field stays empty for the user's choice.
            QCOMPARE(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), QString());
            choose(dialog, folder.filePath("a.vlt-ctf"));
        });
        QCOMPARE(ui.openFileDialog({folder.filePath("*.vlt-ctf"), "Klassenvorlage laden",
                                    "Klassenvorlage|*.vlt-ctf|Alle Dateien|*.*;*", 2, QString()}),
                 folder.filePath("a.vlt-ctf"));
        whenShown<QFileDialog>([&](QFileDialog& dialog) { // a filter it does not have
            QCOMPARE(dialog.selectedNameFilter(), u"Klasse (*.cls)"_s);
            dialog.reject();
        });
        QCOMPARE(ui.openFileDialog({folder.path(), "Laden", "Klasse|*.cls", 3, QString()}),
                 QString());
        // A caption without patterns at the end is left out, not read past the end.
        QCOMPARE(qtNameFilters("Klasse|*.cls|Rest"), QStringList("Klasse (*.cls)"));
        whenShown<QFileDialog>([&](QFileDialog& dialog) { // the folder dialog
            QCOMPARE(dialog.windowTitle(), u"Projektordner öffnen"_s);
            QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
            QCOMPARE(dialog.directory().path(), folder.path());
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QCOMPARE(ui.openFolderDialog(folder.path(), "Projektordner öffnen"), folder.path());
        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(ui.openFolderDialog(folder.path(), "Projektordner öffnen"), QString());
    }

    void saveDialogAsksBeforeReplacingAndAddsTheExtension_data() {
        addCaseRows(u"save-dialogs"_s, 3);
    }
    void saveDialogAsksBeforeReplacingAndAddsTheExtension() {
        const auto [ask, typed, returned] = textFields<3>();
        QTemporaryDir folder;
        QtUiServices ui;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog.testOption(QFileDialog::DontConfirmOverwrite), ask.isEmpty());
            QCOMPARE(dialog.selectedFiles(), QStringList(folder.filePath("alt.cls")));
            choose(dialog, folder.filePath(typed));
        });
        vlt::FileDialogRequest request{folder.filePath("alt.cls"), "Klasse erstellen",
                                       "Klasse|*.cls", 1, ".cls"};
        request.askBeforeReplacing = !ask.isEmpty();
        QCOMPARE(ui.saveFileDialog(request), folder.filePath(returned));
    }

    // The cautious answer is what Return and Escape take.
    void questionsDefaultToTheCautiousAnswer() {
        QtUiServices ui;
        whenShown<QMessageBox>([](QMessageBox& box) {
            QCOMPARE(box.text(), u"Verwerfen?"_s);
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QCOMPARE(ui.yesNoQuestion("Verwerfen?", "Frage"), vlt::ID_No);
        whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        QCOMPARE(ui.yesNoQuestion("Verwerfen?", "Frage"), vlt::ID_Yes);

        const QStringList choices{"Ü&berschreiben", "&Neu laden", "Abbrechen"};
        whenShown<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.buttons().size(), choices.size());
            QCOMPARE(box.windowTitle(), u"Vorlage geändert"_s);
            const QPushButton* cautious = box.defaultButton();
            QCOMPARE(cautious ? cautious->text() : QString(), u"Abbrechen"_s);
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QCOMPARE(ui.choiceQuestion("Geändert.", choices, "Vorlage geändert"), 2);
        whenShown<QMessageBox>([](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                if (button->text() == "&Neu laden"_L1)
                    button->click();
        });
        QCOMPARE(ui.choiceQuestion("Geändert.", choices, "Vorlage geändert"), 1);

        QStringList told; // a message with its icon, title and text
        const std::function<void()> messages[] = {
            [&] { ui.infoMessage("Erzeugt.", "Info"); },
            [&] { ui.errorMessage("Misslungen.", "Fehler"); },
            // The test platform opens no web page, as a desktop without a browser.
            [&] { ui.openWebPage(u"https://www.veltrane.example/"_s); }};
        for (const auto& show : messages) {
            whenShown<QMessageBox>([&](QMessageBox& box) {
                told.append(u"%1 %2: %3"_s.arg(box.icon()).arg(box.windowTitle(), box.text()));
                box.accept();
            });
            show();
        }
        QCOMPARE(told, (QStringList{"1 Info: Erzeugt.", "3 Fehler: Misslungen.",
                                    "3 : Die Seite https://www.veltrane.example/ konnte nicht "
                                    "geöffnet werden: es ist kein Webbrowser eingerichtet."}));
    }
};
CLASSSHAPER_TEST(DialogsTest);

#include "tst_dialogs.moc"
