#pragma once

#include <QString>

// What start-up needs of the main window.
class TemplateShell {
public:
    virtual ~TemplateShell() = default;
    virtual void setMemberColumnWidths() = 0;
    virtual void newTemplate() = 0;
    virtual void showTemplate() = 0;
    virtual void refreshMemberList() = 0;
    // The template at path was opened from the command line: it joins the recent files.
    virtual void templateOpened(const QString& path) = 0;
    // Opens a VB6 project file or a folder as the project beside the template.
    virtual void openProject(const QString& path) = 0;
    // mnu_FileCreateFile: asks for the target, writes the module; errors are reported to the
    // user and swallowed (the program goes on).
    virtual void createFile() = 0;
    // Takes the controls over into the current template, then generates.
    virtual QString hCompile(bool pAttributes) = 0;
};
