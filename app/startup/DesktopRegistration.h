#pragma once

#include <QString>

// The class template file type as the desktop knows it: a shared-mime-info package for
// application/x-vlt-ctf, a desktop entry with the "Öffnen" and "Kompilieren" actions and the
// program's icon, all under one XDG data folder. An installed program leaves this to its
// installation; the per-user files serve a program run from a build folder.
class DesktopRegistration {
public:
    enum class CacheRefresh { Run, Skip };

    explicit DesktopRegistration(QString dataHome, CacheRefresh refresh = CacheRefresh::Run);

    // $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
    static QString defaultDataHome();
    // The Exec value that runs the executable with its path quoted for a desktop entry.
    static QString quotedExec(const QString& executablePath);

    // The desktop entry that an installation put beside the executable
    // (<prefix>/bin/classshaper: <prefix>/share/applications/veltrane-classshaper.desktop), or
    // "" when the executable is not installed.
    static QString installedEntryFor(const QString& executablePath);

    // For an executable that is not installed, writes the three files, each only when its
    // content differs. For an installed one, removes those files instead, so that no stale
    // entry of a build folder outranks the installed entry. Failures are ignored: the program
    // works without the registration.
    void registerFileType(const QString& executablePath) const;

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString iconPath() const;

private:
    QString m_dataHome;
    CacheRefresh m_refresh;
};
