#pragma once

#include "corelib/UiServices.h"

#include <QTextStream>

namespace cli {

// The command-line generator shows no windows: messages go to stderr, questions are answered
// "no" and every file dialog counts as cancelled.
class SilentUi : public vlt::UiServices {
public:
    void errorMessage(const QString& text, const QString&) override { printLine(text); }
    void infoMessage(const QString& text, const QString&) override { printLine(text); }
    int yesNoQuestion(const QString& text, const QString&) override {
        printLine(text);
        return vlt::ID_No;
    }
    QString openFileDialog(const vlt::FileDialogRequest&) override { return QString(); }
    QString saveFileDialog(const vlt::FileDialogRequest&) override { return QString(); }
    void openWebPage(const QString&) override {}

private:
    static void printLine(const QString& text) { QTextStream(stderr) << text << Qt::endl; }
};

} // namespace cli
