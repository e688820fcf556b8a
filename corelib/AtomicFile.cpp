#include "AtomicFile.h"

#include "Error.h"

#include <QSaveFile>

namespace vlt {
namespace {

Error writeError(const QString& path, const QString& cause) {
    return Error(
        QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2").arg(path, cause));
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        throw writeError(path, cause);
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
}

} // namespace vlt
