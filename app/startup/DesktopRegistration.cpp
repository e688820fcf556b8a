#include "DesktopRegistration.h"

#include "corelib/AtomicFile.h"
#include "corelib/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kExecPlaceholder = QStringLiteral("@CLASSSHAPER_EXEC@");

QByteArray resourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/desktop/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when the file was (re)written.
bool writeWhenDifferent(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath()); // where it cannot, the write fails
    try {
        vlt::writeFileAtomically(path, bytes);
    } catch (const vlt::Error&) {
        return false;
    }
    return true;
}

// Desktop entries quote arguments the shell way, then escape the whole value once more.
QString escapeForQuotedArgument(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            result.append(QLatin1Char('\\'));
        result.append(c);
    }
    return result;
}

QString escapeForValue(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            result.append(QStringLiteral("\\\\"));
        else if (c == QLatin1Char('\n'))
            result.append(QStringLiteral("\\n"));
        else if (c == QLatin1Char('\r'))
            result.append(QStringLiteral("\\r"));
        else if (c == QLatin1Char('\t'))
            result.append(QStringLiteral("\\t"));
        else if (c == QLatin1Char('%'))
            result.append(QStringLiteral("%%"));
        else
            result.append(c);
    }
    return result;
}

// Run to its end (a few milliseconds, and only when the package changed) so that the cache is
// complete before anything looks at the folder.
void refreshMimeCache(const QString& mimeFolder) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return;
    QProcess update;
    update.setStandardOutputFile(QProcess::nullDevice());
    update.setStandardErrorFile(QProcess::nullDevice());
    update.start(tool, {mimeFolder});
    update.waitForFinished(5000);
}

QString sameFileKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

DesktopRegistration::DesktopRegistration(QString dataHome, CacheRefresh refresh)
    : m_dataHome(std::move(dataHome)), m_refresh(refresh) {}

QString DesktopRegistration::defaultDataHome() {
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString DesktopRegistration::quotedExec(const QString& executablePath) {
    return escapeForValue(QLatin1Char('"') + escapeForQuotedArgument(executablePath) +
                          QLatin1Char('"'));
}

QString DesktopRegistration::mimePackagePath() const {
    return m_dataHome + QStringLiteral("/mime/packages/veltrane-classshaper.xml");
}

QString DesktopRegistration::desktopEntryPath() const {
    return m_dataHome + QStringLiteral("/applications/veltrane-classshaper.desktop");
}

QString DesktopRegistration::iconPath() const {
    return m_dataHome + QStringLiteral("/icons/hicolor/scalable/apps/veltrane-classshaper.svg");
}

QString DesktopRegistration::installedEntryFor(const QString& executablePath) {
    // cmake --install and the Debian package put bin/ and share/ side by side.
    const QString entry =
        QDir::cleanPath(QFileInfo(executablePath).absolutePath() +
                        QStringLiteral("/../share/applications/veltrane-classshaper.desktop"));
    return QFileInfo(entry).isFile() ? entry : QString();
}

void DesktopRegistration::registerFileType(const QString& executablePath) const {
    if (m_dataHome.isEmpty())
        return;
    const QString installed = installedEntryFor(executablePath);
    if (!installed.isEmpty()) {
        // Installed into the data home itself (--prefix ~/.local): these are its own files.
        if (sameFileKey(installed) == sameFileKey(desktopEntryPath()))
            return;
        QFile::remove(desktopEntryPath());
        QFile::remove(iconPath());
        if (QFile::remove(mimePackagePath()) && m_refresh == CacheRefresh::Run)
            refreshMimeCache(m_dataHome + QStringLiteral("/mime"));
        return;
    }
    const bool mimeChanged = writeWhenDifferent(
        mimePackagePath(), resourceBytes(QStringLiteral("veltrane-classshaper.xml")));
    const QString entry =
        QString::fromUtf8(resourceBytes(QStringLiteral("veltrane-classshaper.desktop.in")))
            .replace(kExecPlaceholder, quotedExec(executablePath));
    writeWhenDifferent(desktopEntryPath(), entry.toUtf8());
    writeWhenDifferent(iconPath(), resourceBytes(QStringLiteral("veltrane-classshaper.svg")));
    if (mimeChanged && m_refresh == CacheRefresh::Run)
        refreshMimeCache(m_dataHome + QStringLiteral("/mime"));
}
