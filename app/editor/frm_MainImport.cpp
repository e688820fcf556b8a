// frm_Main: a class module imported as the current template.
#include "frm_Main.h"

#include "TemplateHistory.h"

#include "document/AppState.h"
#include "preview/ModuleDiff.h"

#include "corelib/Paths.h"
#include "generator/Import.h"
#include "model/Class.h"

#include <QSettings>
#include <QStatusBar>

namespace {

const QString kImportFolderKey = QStringLiteral("folders/imports");

QString importFileName(vlt::UiServices& ui, const QString& folder) {
    return ui.openFileDialog({folder + QStringLiteral("*.cls"),
                              QStringLiteral("Klassenmodul importieren"),
                              QStringLiteral("Klassenmodul|*.cls"), 1, QString()});
}

QString importStatus(const gen::ModuleImport& imported, const QString& path) {
    if (imported.exact())
        return QStringLiteral("Importiert: %1 – die Vorlage erzeugt das Modul genau").arg(path);
    if (imported.regenerates)
        return QStringLiteral("Importiert: %1 – nicht genau: Zeilenenden LF, die Vorlage erzeugt "
                              "CR LF")
            .arg(path);
    return QStringLiteral("Importiert: %1 – nicht genau: die Vorlage erzeugt ein anderes Modul, "
                          "siehe „Unterschiede“")
        .arg(path);
}

} // namespace

void frm_Main::mnu_FileImport_Click() {
    importModuleFile(QString());
}

// An empty path asks with the open dialog.
void frm_Main::importModuleFile(const QString& path) {
    if (!maybeSave())
        return;
    guarded([this, path] {
        QSettings settings;
        const QString file =
            path.isEmpty()
                ? importFileName(app.ui,
                                 settings.value(kImportFolderKey, app.templateFolder).toString())
                : path;
        if (file.isEmpty()) {
            status(QStringLiteral("Importieren abgebrochen"));
            return;
        }
        const gen::ModuleImport imported = gen::importModule(file);
        settings.setValue(kImportFolderKey, vlt::folderPart(file));
        takeImported(imported);
        statusBar()->showMessage(importStatus(imported, file));
        if (!imported.regenerates)
            showImportDifferences(imported);
    });
}

// The imported template is unsaved; saving proposes its class name beside the module.
void frm_Main::takeImported(const gen::ModuleImport& imported) {
    app.currentTemplate = imported.tpl;
    app.currentTemplatePath.clear();
    app.templateFolder = vlt::folderPart(imported.tpl->COMPILED);
    showTemplate();
    m_history->startFresh(false);
}

void frm_Main::showImportDifferences(const gen::ModuleImport& imported) {
    if (!m_importDiff)
        m_importDiff = new ModuleDiff(this);
    m_importDiff->showDiff(imported.tpl->COMPILED, gen::moduleText(imported),
                           gen::regeneratedModule(imported));
}

ModuleDiff* frm_Main::importDiff() const {
    return m_importDiff;
}
