#pragma once

#include <QString>
#include <QStringList>

namespace vlt {

inline constexpr int ID_Yes = 6;
inline constexpr int ID_No = 7;

struct FileDialogRequest {
    QString initialFile;
    QString title;
    QString filter; // "Klassenvorlage|*.vlt-ctf"
    int filterIndex = 1;
    QString defaultExtension;       // ".vlt-ctf"; save dialogs only
    bool askBeforeReplacing = true; // save dialogs: ask when the chosen file exists
};

// Messages and file dialogs. The desktop program shows real ones; tests and the command-line
// generator script or refuse them.
class UiServices {
public:
    virtual ~UiServices() = default;
    virtual void errorMessage(const QString& text, const QString& title = QString()) = 0;
    virtual void infoMessage(const QString& text, const QString& title = QString()) = 0;
    // Returns ID_Yes (6) when the user answers yes.
    virtual int yesNoQuestion(const QString& text, const QString& title = QString()) = 0;
    // The index of the choice the user takes. The last choice is the cautious one: the default
    // and what Escape takes; -1 when the question could not be asked.
    virtual int choiceQuestion(const QString& text, const QStringList& choices,
                               const QString& title = QString()) = 0;
    // Return the chosen path, or "" when cancelled.
    virtual QString openFileDialog(const FileDialogRequest& request) = 0;
    virtual QString openFolderDialog(const QString& initialFolder, const QString& title) = 0;
    virtual QString saveFileDialog(const FileDialogRequest& request) = 0;
    // Shown before a module file is replaced by a different text: oldText is the file as it
    // is, newText what would be written. True when the user chooses to overwrite.
    virtual bool confirmOverwrite(const QString& target, const QString& oldText,
                                  const QString& newText) = 0;
    virtual void openWebPage(const QString& address) = 0;
};

} // namespace vlt
