// What the window keeps across a restart: size and place, the template folder, the recent
// files and whether the preview shows; and a first start that fits the screen.
#include "WindowFixture.h"

#include "app/preview/PreviewPane.h"

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }

    void aRestartKeepsWhatTheUserLeft() {
        QString saved;
        QSize before;
        bool previewShown = false;
        {
            WindowFixture f; // a first start fits the screen and knows no recent files
            QVERIFY(!f.window->findChild<QMenu*>("mnu_FileRecent")->isEnabled());
            const QSize room = f.window->screen()->availableGeometry().size() * 0.9 + QSize(1, 1);
            QCOMPARE(f.window->size().boundedTo(room), f.window->size());
            f.showActive();
            f.trigger("mnu_ViewPreview"); // the other way from now on
            previewShown = f.window->preview()->isVisibleTo(f.window.get());
            QTest::qWait(50);
            f.window->resize(f.window->size() + QSize(30, 20));
            QTest::qWait(50);
            before = f.window->size();
            const QString module = f.path(u"Kunde.cls"_s);
            writeBytes(module, readBytes(testData(u"golden/plain.cls"_s)));
            f.ui.fileChoices.enqueue(module);
            f.trigger("mnu_FileImport");
            saved = f.path("Kunde.vlt-ctf");
            f.ui.fileChoices.enqueue(saved);
            f.trigger("mnu_FileSaveAs");
            f.window->close();
        }
        // The names a later version reads them by.
        QCOMPARE(QSettings().allKeys(),
                 (QStringList{"folders/imports", "folders/templates", "preview/visible",
                              "recentFiles", "window/geometry"}));
        WindowFixture f;
        f.showActive();
        QCOMPARE(f.window->size(), before);
        QCOMPARE(f.window->preview()->isVisibleTo(f.window.get()), previewShown);
        QCOMPARE(f.action("mnu_ViewPreview")->isChecked(), previewShown);
        const QList<QAction*> recent = f.window->findChild<QMenu*>("mnu_FileRecent")->actions();
        QVERIFY(!recent.isEmpty() && recent.first()->toolTip() == saved);
        f.trigger("mnu_FileOpen"); // cancelled; it starts in the folder of the last save
        QCOMPARE(f.lastShown("open").text, u"Klassenvorlage laden"_s);
        QCOMPARE(f.lastShown("open").request.initialFile,
                 QFileInfo(saved).absolutePath() + u"/*.vlt-ctf"_s);
    }
    // Dragged by its handle, the line between form and preview stays where it was left.
    void previewSplitterAcrossARestart() {
        QList<int> left;
        for (int round = 0; round < 2; ++round) {
            WindowFixture f;
            f.showActive();
            auto* splitter = f.window->findChild<QSplitter*>(u"spl_Preview"_s);
            f.window->preview()->show();
            f.window->resize(1600, 700); // wider than the form needs, as on a large screen
            QTest::qWait(50);
            if (round == 1) {
                QVERIFY(qAbs(splitter->sizes().value(0) - left.value(0)) <=
                        4); // the frame's pixels
                return;
            }
            const int formBefore = splitter->sizes().value(0);
            QSplitterHandle* handle = splitter->handle(1);
            const QPoint from = handle->rect().center(), to = from - QPoint(300, 0);
            for (const auto& [type, at] : {std::pair{QEvent::MouseButtonPress, from},
                                           {QEvent::MouseMove, to},
                                           {QEvent::MouseButtonRelease, to}}) {
                QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                     : Qt::LeftButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(handle, &event);
            }
            left = splitter->sizes();
            QVERIFY(QSettings().contains("preview/splitter"));
            QVERIFY(left.value(0) < formBefore - 200);
            f.window->close();
        }
    }
};
CLASSSHAPER_TEST(SettingsTest);

#include "tst_settings.moc"
