#pragma once

#include <QString>
#include <QStringList>

namespace proj {

// The files of a folder tree whose names end in one of the suffixes, each folder's entries by
// name, a subfolder's files where the subfolder stands among them. Folders are
// followed through symbolic links, each once, so a link that leads back into the tree ends
// there; hidden folders (".git") are left out. Folders that cannot be read are named in
// problems.
struct FolderFiles {
    QStringList files;
    QStringList folders; // every folder looked into
    QStringList problems;
};
FolderFiles findFiles(const QString& folder, const QStringList& suffixes, bool subfolders = true);

} // namespace proj
