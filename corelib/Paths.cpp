#include "Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vlt {

QString folderPart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString executablePath() {
    if (!QCoreApplication::instance())
        return QString();
    return QCoreApplication::applicationFilePath();
}

QString executableBaseName() {
    // Asked by every record's constructor, so asked of the system once.
    static QString cached;
    if (cached.isEmpty() && QCoreApplication::instance())
        cached = QFileInfo(executablePath()).completeBaseName();
    return cached.isEmpty() ? QStringLiteral("classshaper") : cached;
}

bool fileExists(const QString& path) {
    return QFileInfo(path).isFile(); // false for what does not exist, and for an empty path
}

} // namespace vlt
