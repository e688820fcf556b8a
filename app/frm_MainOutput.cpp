// frm_Main: the output commands of the "Erstellen" menu.
#include "frm_Main.h"

#include "AppState.h"
#include "CodeViewer.h"

#include "corelib/Paths.h"
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The folder the module last went to; before the first module the template file's folder, or
// the template folder while it has no file; joined with the module's file name.
QString proposedModulePath(const AppState& app) {
    QString path = app.currentTemplate->COMPILED;
    if (path.isEmpty())
        path = app.currentTemplatePath;
    if (path.isEmpty())
        path = app.templateFolder + app.currentTemplate->CLASSNAME + QStringLiteral(".cls");
    return vlt::folderPart(path) + app.currentTemplate->FILENAME;
}

} // namespace

QString frm_Main::hCompile(bool pAttributes) {
    takeOver();
    return gen::hCompile(*app.currentTemplate, pAttributes);
}

void frm_Main::createFile() {
    guarded([this] {
        takeOver();
        const QString vTarget =
            app.ui.saveFileDialog({proposedModulePath(app), QStringLiteral("Klasse erstellen"),
                                   QStringLiteral("Klasse|*.cls"), 1, QStringLiteral(".cls")});
        if (vTarget.isEmpty()) {
            status(QStringLiteral("Kein Modul geschrieben: abgebrochen"));
            return;
        }
        cls_Class& vTemplate = *app.currentTemplate;
        const QString vPreviousTarget = vTemplate.COMPILED;
        vTemplate.COMPILED = vTarget;
        QString vReplaced;
        try {
            vReplaced = gen::writeModuleFile(vTarget, vTemplate, gen::ModuleForm{}).replaced;
        } catch (...) {
            vTemplate.COMPILED = vPreviousTarget;
            throw;
        }
        status(QStringLiteral("Modul geschrieben: %1").arg(vTarget));
        if (!vReplaced.isEmpty())
            app.ui.infoMessage(gen::replacedCharactersReport(vTarget, vReplaced));
    });
}

void frm_Main::createToClipboard() {
    const QString vText = hCompile(false);
    QClipboard* vClipboard = QGuiApplication::clipboard();
    vClipboard->clear();
    vClipboard->setText(vText);
}

void frm_Main::mnu_FileCreateFile_Click() {
    createFile();
}

void frm_Main::mnu_FileCreateClipboard_Click() {
    guarded([this] {
        createToClipboard();
        status(QStringLiteral("In die Zwischenablage kopiert"));
    });
}

void frm_Main::mnu_FileCompileNotepad_Click() {
    guarded([this] {
        createToClipboard();
        if (!m_viewer)
            m_viewer = new CodeViewer(this);
        m_viewer->showModule(QStringLiteral("Klassenmodul %1").arg(app.currentTemplate->CLASSNAME),
                             QGuiApplication::clipboard()->text());
    });
}
