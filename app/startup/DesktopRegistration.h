#pragma once

#include <QString>

// The class template file type as the desktop knows it: a shared-mime-info package for
// application/x-vlt-ctf, a desktop entry with the "Öffnen" and "Kompilieren" actions and the
// program's icon, all under one XDG data folder.
class DesktopRegistration {
public:
    enum class CacheRefresh { Run, Skip };

    explicit DesktopRegistration(QString dataHome, CacheRefresh refresh = CacheRefresh::Run);

    // $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
    static QString defaultDataHome();
    // The Exec value that runs the executable with its path quoted for a desktop entry.
    static QString quotedExec(const QString& executablePath);

    // Writes the three files for the executable, each only when its content differs. Failures
    // are ignored: the program works without the registration.
    void registerFileType(const QString& executablePath) const;

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString iconPath() const;

private:
    QString m_dataHome;
    CacheRefresh m_refresh;
};
