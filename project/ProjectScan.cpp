#include "ProjectScan.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace proj {
namespace {

bool endsWithOneOf(const QString& name, const QStringList& suffixes) {
    for (const QString& suffix : suffixes)
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    return false;
}

class Walk {
public:
    Walk(const QStringList& suffixes, bool subfolders)
        : m_suffixes(suffixes), m_subfolders(subfolders) {}

    void into(const QString& folder) {
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty())
            return;
        if (m_seen.contains(real)) {
            m_result.problems.append(QStringLiteral("Der Ordner \"%1\" führt über eine "
                                                    "Verknüpfung zurück zu \"%2\", der schon "
                                                    "durchsucht ist; er wird übersprungen.")
                                         .arg(folder, real));
            return;
        }
        m_seen.insert(real);
        const QDir dir(folder);
        if (!dir.isReadable()) {
            m_result.problems.append(
                QStringLiteral("Der Ordner \"%1\" kann nicht gelesen werden.").arg(folder));
            return;
        }
        m_result.folders.append(folder);
        for (const QFileInfo& entry : dir.entryInfoList(
                 QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name)) {
            if (entry.isDir() && m_subfolders)
                into(entry.absoluteFilePath());
            else if (entry.isFile() && endsWithOneOf(entry.fileName(), m_suffixes))
                m_result.files.append(entry.absoluteFilePath());
        }
    }

    FolderFiles result() { return std::move(m_result); }

private:
    QStringList m_suffixes;
    bool m_subfolders;
    QSet<QString> m_seen;
    FolderFiles m_result;
};

} // namespace

FolderFiles findFiles(const QString& folder, const QStringList& suffixes, bool subfolders) {
    Walk walk(suffixes, subfolders);
    walk.into(folder);
    return walk.result();
}

} // namespace proj
