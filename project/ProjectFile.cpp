#include "ProjectFile.h"

#include "corelib/Error.h"
#include "corelib/SystemErrorText.h"
#include "generator/ModuleOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace proj {
namespace {

constexpr qint64 kLargestProjectFile = 16 << 20;

vlt::Error unreadable(const QString& path, const QString& reason) {
    return vlt::Error(
        QStringLiteral("Die Projektdatei \"%1\" kann nicht gelesen werden: %2").arg(path, reason));
}

QByteArray projectBytes(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw unreadable(path, QStringLiteral("sie ist ein Ordner."));
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(path, vlt::germanCause(file.errorString()));
    if (file.size() > kLargestProjectFile)
        throw unreadable(path, QStringLiteral("sie ist größer als 16 MB."));
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() > 1 && (bytes[0] == '\0' || bytes[1] == '\0')))
        throw unreadable(path, QStringLiteral("sie ist in UTF-16 geschrieben; VB6 schreibt "
                                              "Projektdateien als Windows-1252-Text."));
    if (bytes.contains('\0'))
        throw unreadable(path, QStringLiteral("sie enthält Nullbytes: eine Binärdatei, keine "
                                              "Projektdatei."));
    return bytes;
}

// VB6 writes Windows-1252; a checkout that converted the file to UTF-8 shows it by a byte-order
// mark or by valid multi-byte sequences, which Windows-1252 text hardly ever forms.
bool isUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0; }))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(bytes); // the error shows only once the text is made
    return !decoder.hasError();
}

QString projectText(const QByteArray& bytes, QString& note, const QString& path) {
    if (!isUtf8(bytes))
        return gen::decodeModule(bytes);
    note = QStringLiteral("Die Projektdatei \"%1\" ist in UTF-8 geschrieben, nicht als "
                          "Windows-1252-Text wie von VB6; sie wird als UTF-8 gelesen.")
               .arg(path);
    return QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
}

// The module's path as Windows reads it: backslashes, any case.
QString resolvedPath(const QDir& folder, QString written) {
    written = written.trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = QDir::cleanPath(folder.absoluteFilePath(written));
    if (QFileInfo::exists(path))
        return path;
    QDir walk(QDir::rootPath());
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QString match;
        for (const QString& entry : walk.entryList(QDir::AllEntries | QDir::Hidden))
            if (entry.compare(part, Qt::CaseInsensitive) == 0)
                match = entry;
        if (match.isEmpty())
            return path;
        walk.setPath(walk.filePath(match));
    }
    return walk.path();
}

bool isSectionHead(const QString& line) {
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

} // namespace

ProjectFileContent readProjectFile(const QString& path) {
    ProjectFileContent content;
    const QString text = projectText(projectBytes(path), content.note, path);
    const QDir folder = QFileInfo(path).absoluteDir();
    std::vector<ProjectClass>& classes = content.classes;
    bool anyKey = false;
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (isSectionHead(line) && anyKey)
            break;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        anyKey = true;
        if (line.first(equals).trimmed().compare(QLatin1String("Class"), Qt::CaseInsensitive))
            continue;
        const QString value = line.sliced(equals + 1);
        const qsizetype semicolon = value.indexOf(QLatin1Char(';'));
        if (semicolon < 0)
            continue;
        classes.push_back({value.first(semicolon).trimmed(),
                           resolvedPath(folder, value.sliced(semicolon + 1)), number});
    }
    if (!anyKey)
        throw unreadable(path, QStringLiteral("sie enthält keine Zeile „Schlüssel=Wert“; eine "
                                              "VB6-Projektdatei beginnt mit „Type=…“."));
    return content;
}

} // namespace proj
