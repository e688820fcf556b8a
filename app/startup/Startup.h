#pragma once

#include <QString>
#include <QStringList>

struct AppState;
class DesktopRegistration;
class TemplateShell;

struct StartupInput {
    QString commandLine;    // the arguments as one text, the program's own name not included
    QString executablePath; // the real path of the running executable
    QString invokedName;    // the executable's name as the user typed it, for the syntax text
};

struct StartupResult {
    bool endAtOnce = false; // end without showing the window
    int exitStatus = 0;     // 1 once start-up has shown an error message
};

// The window's load handler: registers the file type, starts a new template, loads the file
// named on the command line and acts on its switches.
StartupResult runStartup(AppState& app, TemplateShell& shell, const DesktopRegistration& desktop,
                         const StartupInput& input);

// The text of --help: the syntax, every switch and the exit statuses.
QString helpText(const QString& invokedName);

// The arguments after the program name as one command line; an argument holding a blank is
// quoted so that it stays one token.
QString commandLineFromArguments(const QStringList& arguments);

// The desktop program: window, start-up, event loop. Returns the exit status.
int runClassShaper(int argc, char** argv);
