// frm_Main: the output commands of the "Erstellen" menu.
#include "frm_Main.h"

#include "document/AppState.h"
#include "preview/ModuleDiff.h"
#include "preview/PreviewPane.h"
#include "viewer/CodeViewer.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"
#include "corelib/SystemErrorText.h"
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"

#include <QClipboard>
#include <QFile>
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

QString readModuleFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw vlt::Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                             .arg(path, vlt::germanCause(file.errorString())));
    return gen::decodeModule(file.readAll());
}

// A module file with other bytes is replaced only once the user has seen the difference and
// agreed; a new or equal file needs no question.
bool overwriteAgreed(vlt::UiServices& ui, const QString& target, cls_Class& tpl) {
    if (gen::compareWithModuleFile(target, tpl, gen::ModuleForm{}) != gen::TargetState::Different)
        return true;
    return ui.confirmOverwrite(target, readModuleFile(target), gen::hCompile(tpl, true));
}

} // namespace

QString frm_Main::hCompile(bool pAttributes) {
    takeOver();
    return gen::hCompile(*app.currentTemplate, pAttributes);
}

void frm_Main::createFile() {
    guarded([this] {
        takeOver();
        vlt::FileDialogRequest request{proposedModulePath(app), QStringLiteral("Klasse erstellen"),
                                       QStringLiteral("Klasse|*.cls"), 1, QStringLiteral(".cls")};
        request.askBeforeReplacing = false; // the difference is shown instead
        const QString target = app.ui.saveFileDialog(request);
        if (target.isEmpty()) {
            status(QStringLiteral("Kein Modul geschrieben: abgebrochen"));
            return;
        }
        cls_Class& tpl = *app.currentTemplate;
        if (!overwriteAgreed(app.ui, target, tpl)) {
            status(QStringLiteral("Kein Modul geschrieben: %1 bleibt unverändert").arg(target));
            return;
        }
        const QString previousTarget = tpl.COMPILED;
        tpl.COMPILED = target;
        QString replaced;
        try {
            replaced = gen::writeModuleFile(target, tpl, gen::ModuleForm{}).replaced;
        } catch (...) {
            tpl.COMPILED = previousTarget;
            throw;
        }
        // The new target reaches the template file with the next save; until then the template
        // is unsaved.
        if (tpl.COMPILED != previousTarget)
            changedOutsideHistory();
        m_preview->scheduleRefresh();
        projectFilesWritten();
        status(QStringLiteral("Modul geschrieben: %1").arg(target));
        if (!replaced.isEmpty())
            app.ui.infoMessage(gen::replacedCharactersReport(target, replaced));
    });
}

void frm_Main::createToClipboard() {
    const QString text = hCompile(false);
    QGuiApplication::clipboard()->setText(text);
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
