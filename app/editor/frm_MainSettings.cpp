// frm_Main: what the window remembers between runs (size and place, folders, recent files).
#include "frm_Main.h"

#include "document/AppState.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>

namespace {

const int kMaxRecentFiles = 8;
const int kLongestRecentFolder = 50;
const QString kRecentKey = QStringLiteral("recentFiles");

// Room for the form beside the preview, and for the frame and the desktop's panels at any
// scale factor.
QSize defaultWindowSize(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize wanted(1300, 760);
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() * 0.9);
}

// Its folder tells two templates of one name apart; the home folder is "~".
QString recentEntry(int number, const QString& path) {
    const QFileInfo file(path);
    QString folder = QDir::toNativeSeparators(file.absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home || folder.startsWith(home + QDir::separator()))
        folder = QLatin1Char('~') + folder.mid(home.size());
    if (folder.size() > kLongestRecentFolder)
        folder = QStringLiteral("…") + folder.right(kLongestRecentFolder - 1);
    return QStringLiteral("&%1 %2 – %3").arg(number).arg(file.fileName(), folder);
}

} // namespace

void frm_Main::restoreSettings() {
    const QSettings settings;
    if (!restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray()))
        resize(defaultWindowSize(this));
    if (app.templateFolder.isEmpty())
        app.templateFolder = settings.value(QStringLiteral("folders/templates")).toString();
}

void frm_Main::saveSettings() const {
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    if (!app.templateFolder.isEmpty())
        settings.setValue(QStringLiteral("folders/templates"), app.templateFolder);
}

void frm_Main::rememberRecentFile(const QString& path) {
    QSettings settings;
    QStringList files = settings.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings.setValue(kRecentKey, files.mid(0, kMaxRecentFiles));
    settings.setValue(QStringLiteral("folders/templates"), app.templateFolder);
    fillRecentMenu();
}

void frm_Main::templateOpened(const QString& path) {
    rememberRecentFile(path);
}

void frm_Main::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList files = QSettings().value(kRecentKey).toStringList();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction* action = m_recentMenu->addAction(recentEntry(int(i) + 1, path));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}
