#pragma once

#include "UiServices.h"

namespace vlt {

// For runs without anyone at the screen: every message goes to stderr, questions are answered
// "no", file dialogs are cancelled and module files are overwritten.
class HeadlessUi : public UiServices {
public:
    void errorMessage(const QString& text, const QString& title = QString()) override;
    void infoMessage(const QString& text, const QString& title = QString()) override;
    int yesNoQuestion(const QString& text, const QString& title = QString()) override;
    int choiceQuestion(const QString& text, const QStringList& choices,
                       const QString& title = QString()) override;
    QString openFolderDialog(const QString& initialFolder, const QString& title) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    bool confirmOverwrite(const QString& target, const QString& oldText,
                          const QString& newText) override;
    void openWebPage(const QString& address) override;
};

} // namespace vlt
