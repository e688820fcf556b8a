// frm_Main: the project dock beside the form, its commands and the open template's row.
#include "frm_Main.h"

#include "document/AppState.h"
#include "preview/PreviewPane.h"
#include "project/ProjectEvaluation.h"
#include "project/ProjectPanel.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"
#include "generator/Import.h"
#include "model/Class.h"
#include "model/TemplateFile.h"
#include "project/Project.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

namespace {

const QString kProjectFolderKey = QStringLiteral("folders/projects");

QString projectFolder() {
    return QSettings().value(kProjectFolderKey, QDir::homePath()).toString();
}

QString counted(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

// The template an import saves beside its module: the module's name, ".vlt-ctf".
QString templateBeside(const QString& module) {
    const QFileInfo info(module);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".vlt-ctf"));
}

QString generatedStatus(qsizetype written, qsizetype failed) {
    const auto modules = [](qsizetype count) {
        return counted(count, QStringLiteral("Modul"), QStringLiteral("Module"));
    };
    // "Alle erzeugen" is on only while a module is stale or missing: one at least is named.
    if (written == 0)
        return modules(failed) + QStringLiteral(" nicht erzeugt");
    return modules(written) + QStringLiteral(" neu erzeugt") +
           (failed > 0 ? QStringLiteral(", %1 nicht").arg(failed) : QString());
}

} // namespace

void frm_Main::createProjectDock() {
    m_project = new ProjectEvaluation(this);
    m_projectPanel = new ProjectPanel(*m_project, this);
    m_projectDock = new QDockWidget(QStringLiteral("Projekt"), this);
    m_projectDock->setObjectName(QStringLiteral("dck_Project"));
    m_projectDock->setWidget(m_projectPanel);
    addDockWidget(Qt::BottomDockWidgetArea, m_projectDock);
    m_projectDock->hide();

    QAction* toggle = m_projectDock->toggleViewAction();
    toggle->setText(QStringLiteral("&Projekt"));
    toggle->setObjectName(QStringLiteral("mnu_ViewProject"));
    toggle->setShortcut(Qt::Key_F9);
    findChild<QMenu*>(QStringLiteral("mnu_View"))->addAction(toggle);

    connect(m_projectPanel, &ProjectPanel::templateActivated, this, &frm_Main::openProjectTemplate);
    connect(m_projectPanel, &ProjectPanel::generateAllRequested, this, &frm_Main::generateProject);
    connect(m_projectPanel, &ProjectPanel::importRequested, this, &frm_Main::importProjectModules);
    // A module written by "Alle erzeugen" or by another program changes the preview's line.
    // The panel marks the open template's row itself.
    connect(m_project, &ProjectEvaluation::finished, m_preview, &PreviewPane::scheduleRefresh);
}

void frm_Main::mnu_FileOpenProject_Click() {
    const QString path = app.ui.openFileDialog({projectFolder() + QStringLiteral("/*.vbp"),
                                                QStringLiteral("Projekt öffnen"),
                                                QStringLiteral("VB6-Projekt|*.vbp"), 1, QString()});
    if (path.isEmpty())
        status(QStringLiteral("Öffnen abgebrochen"));
    else
        openProject(path);
}

void frm_Main::mnu_FileOpenProjectFolder_Click() {
    const QString path =
        app.ui.openFolderDialog(projectFolder(), QStringLiteral("Projektordner öffnen"));
    if (path.isEmpty())
        status(QStringLiteral("Öffnen abgebrochen"));
    else
        openProject(path);
}

// The template stays as it is; the project opens beside it.
void frm_Main::openProject(const QString& path) {
    m_project->open(path);
    if (m_projectDock->isHidden())
        resizeDocks({m_projectDock}, {height() / 3}, Qt::Vertical);
    m_projectDock->show();
    m_projectDock->raise();
    QSettings().setValue(kProjectFolderKey, QFileInfo(m_project->path()).absolutePath());
    rememberRecentFile(m_project->path());
    status(QStringLiteral("Projekt geöffnet: %1").arg(m_project->path()));
}

void frm_Main::openProjectTemplate(const QString& path) {
    if (QDir::cleanPath(path) == QDir::cleanPath(app.currentTemplatePath)) {
        status(QStringLiteral("Die Vorlage ist schon geöffnet: %1").arg(path));
        txt_Name->setFocus();
        return;
    }
    openFile(path);
}

// From the saved templates: an unsaved edit of the open one is not in its module yet.
void frm_Main::generateProject() {
    if (m_project->running()) {
        status(QStringLiteral("Das Projekt wird noch geprüft; gleich noch einmal, bitte."));
        return;
    }
    QStringList failures;
    const auto written = proj::generateStale(m_project->rows(), failures);
    status(generatedStatus(qsizetype(written.size()), failures.size()));
    if (!failures.isEmpty())
        app.ui.errorMessage(failures.join(QStringLiteral("\n\n")));
    projectFilesWritten();
}

// Each template is saved beside its module; a file of that name is never replaced.
void frm_Main::importProjectModules(const QStringList& modules) {
    qsizetype saved = 0;
    QStringList kept, inexact, failures;
    for (const QString& module : modules) {
        const QString target = templateBeside(module);
        if (QFileInfo::exists(target)) {
            kept.append(target);
            continue;
        }
        try {
            const gen::ModuleImport imported = gen::importModule(module);
            imported.tpl->COMPILED = QFileInfo(module).fileName();
            writeTemplate(target, *imported.tpl);
            ++saved;
            if (!imported.exact())
                inexact.append(module);
        } catch (const vlt::Error& error) {
            failures.append(error.message());
        }
    }
    status(saved == 0 ? QStringLiteral("Keine Vorlage importiert")
                      : counted(saved, QStringLiteral("Vorlage"), QStringLiteral("Vorlagen")) +
                            QStringLiteral(" importiert"));
    QStringList report = failures;
    if (!kept.isEmpty())
        report.append(QStringLiteral("Diese Vorlagen gibt es schon; sie bleiben, wie sie sind:\n") +
                      kept.join(QLatin1Char('\n')));
    if (!inexact.isEmpty())
        report.append(QStringLiteral("Nicht genau importiert (die Vorlage erzeugt ein anderes "
                                     "Modul, ihr Zustand ist „veraltet“):\n") +
                      inexact.join(QLatin1Char('\n')));
    if (!report.isEmpty())
        (failures.isEmpty() ? app.ui.infoMessage(report.join(QStringLiteral("\n\n")))
                            : app.ui.errorMessage(report.join(QStringLiteral("\n\n"))));
    projectFilesWritten();
}

// Saving a template or writing a module changes its row at once, not only when the folder
// watch notices.
void frm_Main::projectFilesWritten() {
    m_project->refresh();
}

void frm_Main::showOpenTemplateInProject() {
    if (m_projectPanel)
        m_projectPanel->setOpenTemplate(app.currentTemplatePath, app.changed);
}
