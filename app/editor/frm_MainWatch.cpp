// frm_Main: the open template against changes that other programs make to its file.
#include "frm_Main.h"

#include "TemplateHistory.h"

#include "document/AppState.h"
#include "document/TemplateDocument.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// A checkout or an editor writes in several steps; the file is looked at once they are done.
constexpr int kSettleMilliseconds = 300;

} // namespace

void frm_Main::createTemplateWatch() {
    m_templateWatch = new QFileSystemWatcher(this);
    m_outsideCheck = new QTimer(this);
    m_outsideCheck->setSingleShot(true);
    m_outsideCheck->setInterval(kSettleMilliseconds);
    connect(m_outsideCheck, &QTimer::timeout, this, &frm_Main::checkOutsideChange);
    auto settle = [this] { m_outsideCheck->start(); };
    connect(m_templateWatch, &QFileSystemWatcher::fileChanged, this, settle);
    connect(m_templateWatch, &QFileSystemWatcher::directoryChanged, this, settle);
}

// The file and its folder: a program that writes through a rename replaces the file the watch
// was on, and only the folder tells.
void frm_Main::watchTemplateFile() {
    const QStringList watched = m_templateWatch->files() + m_templateWatch->directories();
    if (!watched.isEmpty())
        m_templateWatch->removePaths(watched);
    m_outsideAnswered.clear();
    if (app.currentTemplatePath.isEmpty())
        return;
    m_templateWatch->addPath(QFileInfo(app.currentTemplatePath).absolutePath());
    if (QFileInfo::exists(app.currentTemplatePath))
        m_templateWatch->addPath(app.currentTemplatePath);
}

void frm_Main::checkOutsideChange() {
    if (!changedOnDisk(app))
        return;
    if (QFileInfo::exists(app.currentTemplatePath) &&
        !m_templateWatch->files().contains(app.currentTemplatePath))
        m_templateWatch->addPath(app.currentTemplatePath);
    const QByteArray now = fileBytes(app.currentTemplatePath);
    if (!m_outsideAnswered.isNull() && now == m_outsideAnswered)
        return;
    m_outsideAnswered = now.isNull() ? QByteArray("") : now;
    if (!QFileInfo::exists(app.currentTemplatePath)) {
        status(QStringLiteral("Die Vorlage %1 gibt es nicht mehr; Speichern legt sie neu an.")
                   .arg(app.currentTemplatePath));
        return;
    }
    QString question = QStringLiteral("Die Vorlage \"%1\" wurde außerhalb des Programms "
                                      "geändert.\n\nNeu laden?")
                           .arg(app.currentTemplatePath);
    if (app.changed)
        question += QStringLiteral(" Ihre ungespeicherten Änderungen gehen dabei verloren.");
    if (app.ui.yesNoQuestion(question, QStringLiteral("Vorlage geändert")) == vlt::ID_Yes)
        reloadTemplate();
    else
        status(QStringLiteral("Die Vorlage auf der Platte ist neuer; Speichern fragt vorher."));
}

bool frm_Main::mayOverwriteOutsideChange() {
    if (!changedOnDisk(app) || !QFileInfo::exists(app.currentTemplatePath))
        return true;
    const int choice = app.ui.choiceQuestion(
        QStringLiteral("Die Vorlage \"%1\" wurde außerhalb des Programms geändert, seit sie "
                       "geöffnet oder gespeichert wurde.\n\nMit Ihrem Stand überschreiben, den "
                       "Stand der Datei neu laden oder nicht speichern?")
            .arg(app.currentTemplatePath),
        {QStringLiteral("Ü&berschreiben"), QStringLiteral("&Neu laden"),
         QStringLiteral("Abbrechen")},
        QStringLiteral("Vorlage geändert"));
    if (choice == 0)
        return true;
    if (choice == 1)
        reloadTemplate();
    else
        status(QStringLiteral("Speichern abgebrochen"));
    return false;
}

void frm_Main::reloadTemplate() {
    const QString path = app.currentTemplatePath;
    guarded([this, path] {
        openTemplate(app, path);
        showTemplate();
        m_history->startFresh(true); // marks it saved, which the project's row follows
        status(QStringLiteral("Neu geladen: %1").arg(path));
    });
}
