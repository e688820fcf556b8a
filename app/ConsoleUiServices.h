#pragma once

#include "corelib/UiServices.h"

// Messages for scripted runs without anyone at the screen: every message goes to stderr,
// questions are answered "no" and file dialogs are cancelled.
class ConsoleUiServices : public vlt::UiServices {
public:
    void errorMessage(const QString& text, const QString& title) override;
    void infoMessage(const QString& text, const QString& title) override;
    int yesNoQuestion(const QString& text, const QString& title) override;
    QString openFileDialog(const vlt::FileDialogRequest& request) override;
    QString saveFileDialog(const vlt::FileDialogRequest& request) override;
    void openWebPage(const QString& address) override;
};

// True when CLASSSHAPER_NONINTERACTIVE is set to 1: the program then uses ConsoleUiServices
// and ends right after the window has been shown.
bool nonInteractiveRun();
