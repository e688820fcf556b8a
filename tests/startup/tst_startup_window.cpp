#include "support/ScriptedUi.h"

#include "app/DesktopRegistration.h"
#include "app/Startup.h"
#include "app/frm_Main.h"
#include "generator/Generator.h"
#include "generator/ModuleFile.h"
#include "app/AppState.h"
#include "app/TemplateDocument.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTitle = QStringLiteral("Veltrane Benchkit - Class Shaper");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes "In Datei" would write for the template file, generated apart from any window.
QByteArray expectedModule(const QString& templateFile) {
    ScriptedUi ui;
    AppState state(ui);
    openTemplate(state, templateFile);
    return gen::encodeModule(gen::hCompile(*state.currentTemplate, true)).bytes;
}

} // namespace

// Start-up on the real main window and the real generator.
class tst_StartupWithWindow : public QObject {
    Q_OBJECT

private slots:
    void compileOpensTheWindow_data();
    void compileOpensTheWindow();
};

void tst_StartupWithWindow::compileOpensTheWindow_data() {
    QTest::addColumn<QString>("arguments"); // {file} is a template path holding a blank
    QTest::addColumn<bool>("regenerated");
    QTest::addColumn<bool>("titledWithPath");

    QTest::newRow("empty command line") << "" << false << false;
    QTest::newRow("file only") << "\"{file}\"" << false << true;
    QTest::newRow("file and switch") << "\"{file}\" /compile" << true << true;
}

void tst_StartupWithWindow::compileOpensTheWindow() {
    QFETCH(QString, arguments);
    QFETCH(bool, regenerated);
    QFETCH(bool, titledWithPath);

    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/mit Blank XXXXXX"));
    const QString templateFile = dir.filePath(QStringLiteral("Kunde.vlt-ctf"));
    const QString module = dir.filePath(QStringLiteral("Kunde.cls"));
    {
        ScriptedUi ui;
        AppState state(ui);
        state.currentTemplate->CLASSNAME = QStringLiteral("cls_Kunde");
        state.currentTemplate->DATABASE_TYPE = QStringLiteral("cls_Kunden");
        state.currentTemplate->COMPILED = module;
        state.currentTemplate->MEMBERS().DATABASE.ADD(std::make_shared<cls_Member>());
        state.currentTemplate->MEMBERS().ITEM(1, true)->MNAME = QStringLiteral("Name");
        QVERIFY(saveTemplate(state, templateFile));
    }
    QFile old(module);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();

    ScriptedUi ui;
    AppState app(ui);
    frm_Main window(app);
    const DesktopRegistration desktop(dir.filePath(QStringLiteral("share")),
                                      DesktopRegistration::CacheRefresh::Skip);
    const StartupInput input{arguments.replace(QStringLiteral("{file}"), templateFile),
                             QStringLiteral("/opt/cs/classshaper"), QStringLiteral("classshaper")};

    const StartupResult result = runStartup(app, window, desktop, input);

    QVERIFY(!result.endAtOnce);
    QCOMPARE(result.exitStatus, 0);
    QVERIFY(ui.shown.isEmpty());
    QVERIFY(!app.changed);
    QCOMPARE(window.windowTitle(),
             titledWithPath ? kTitle + QStringLiteral(" [") + templateFile + QLatin1Char(']')
                            : kTitle);
    QCOMPARE(window.txt_Name->text(),
             titledWithPath ? QStringLiteral("cls_Kunde") : app.currentTemplate->CLASSNAME);
    QCOMPARE(readAll(module), regenerated ? expectedModule(templateFile) : QByteArray());
}

QObject* makeWindowTest() {
    return new tst_StartupWithWindow;
}

#include "tst_startup_window.moc"
