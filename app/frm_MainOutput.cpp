// frm_Main: the output commands of the "Erstellen" menu.
#include "frm_Main.h"

#include "CodeViewer.h"

#include "app/AppState.h"
#include "corelib/Paths.h"
#include "generator/Generator.h"
#include "generator/ModuleFile.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The template file's folder, or the template folder while it has no file, joined with the
// module's file name.
QString proposedModulePath(const AppState& app) {
    QString vPath = app.currentTemplatePath;
    if (vPath.isEmpty())
        vPath = app.templateFolder + app.currentTemplate->CLASSNAME + QStringLiteral(".cls");
    return vlt::folderPart(vPath) + app.currentTemplate->FILENAME;
}

QString replacedCharactersMessage(const QString& path, const QString& replaced) {
    QStringList vCharacters;
    for (const QChar c : replaced)
        vCharacters.append(QStringLiteral("\"%1\" (U+%2)")
                               .arg(c)
                               .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                               .toUpper());
    return QStringLiteral("Die Klasse wurde in die Datei \"%1\" geschrieben. Diese Zeichen kann "
                          "Windows-1252 nicht darstellen, sie wurden durch \"?\" ersetzt: %2")
        .arg(path, vCharacters.join(QStringLiteral(", ")));
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
        if (vTarget.isEmpty())
            return;
        cls_Class& vTemplate = *app.currentTemplate;
        const QString vPreviousTarget = vTemplate.COMPILED;
        vTemplate.COMPILED = vTarget;
        QString vReplaced;
        try {
            vReplaced = gen::writeModuleFile(vTarget, hCompile(true));
        } catch (...) {
            vTemplate.COMPILED = vPreviousTarget;
            throw;
        }
        if (!vReplaced.isEmpty())
            app.ui.infoMessage(replacedCharactersMessage(vTarget, vReplaced));
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
    guarded([this] { createToClipboard(); });
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
