#include "Sealing.h"

#include "Error.h"

namespace vlt {

bool isSealedFile(const QByteArray& bytes)
{
    return bytes.startsWith("VLTFILE 1 SEALED");
}

QByteArray sealFile(const QByteArray&, const QString&)
{
    throw Error(QStringLiteral("Verschlüsselte Dateien werden noch nicht unterstützt."));
}

QByteArray unsealFile(const QByteArray&, const QString&, const QString& url)
{
    throw Error(QStringLiteral("Die Datei \"%1\" ist verschlüsselt; verschlüsselte Dateien "
                               "werden noch nicht unterstützt.")
                    .arg(url));
}

} // namespace vlt
