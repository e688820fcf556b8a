#pragma once

#include "Literals.h"
#include "corelib/UiServices.h"

#include <QQueue>
#include <QString>
#include <QStringList>

// Answers messages and dialogs from a script and records what was asked, so tests never block
// on a modal window.
class ScriptedUi : public vlt::UiServices {
public:
    struct Shown {
        QString kind; // "error", "info", "question", "choice", "open", "folder", "save",
                      // "overwrite", "web"
        QString text; // message text, dialog title, module file or web address
        QString title;
        vlt::FileDialogRequest request;
    };

    QQueue<int> answers;         // yes/no and overwrite answers; an empty queue answers "no"
    QQueue<QString> fileChoices; // dialog results; an empty queue cancels
    QList<Shown> shown;
    QStringList lastChoices;

    void errorMessage(const QString& text, const QString& title) override {
        shown.append({u"error"_s, text, title, {}});
    }
    void infoMessage(const QString& text, const QString& title) override {
        shown.append({u"info"_s, text, title, {}});
    }
    int yesNoQuestion(const QString& text, const QString& title) override {
        shown.append({u"question"_s, text, title, {}});
        return answers.isEmpty() ? vlt::ID_No : answers.dequeue();
    }
    // The answer queue holds the choice's index; an empty queue closes the question.
    int choiceQuestion(const QString& text, const QStringList& choices,
                       const QString& title) override {
        shown.append({u"choice"_s, text, title, {}});
        lastChoices = choices;
        return answers.isEmpty() ? -1 : answers.dequeue();
    }
    QString openFolderDialog(const QString& initialFolder, const QString& title) override {
        shown.append({u"folder"_s, title, initialFolder, {}});
        return fileChoices.isEmpty() ? QString() : fileChoices.dequeue();
    }
    QString openFileDialog(const vlt::FileDialogRequest& request) override {
        shown.append({u"open"_s, request.title, QString(), request});
        return fileChoices.isEmpty() ? QString() : fileChoices.dequeue();
    }
    QString saveFileDialog(const vlt::FileDialogRequest& request) override {
        shown.append({u"save"_s, request.title, QString(), request});
        return fileChoices.isEmpty() ? QString() : fileChoices.dequeue();
    }
    bool confirmOverwrite(const QString& target, const QString&, const QString&) override {
        shown.append({u"overwrite"_s, target, QString(), {}});
        return !answers.isEmpty() && answers.dequeue() == vlt::ID_Yes;
    }
    void openWebPage(const QString& address) override {
        shown.append({u"web"_s, address, QString(), {}});
    }

    QStringList kinds() const {
        QStringList result;
        for (const Shown& s : shown)
            result.append(s.kind);
        return result;
    }
    // "kind: text" of each, in order.
    QStringList shownTexts() const {
        QStringList result;
        for (const Shown& s : shown)
            result.append(s.kind + u": "_s + s.text);
        return result;
    }
    const Shown* last(const QString& kind) const {
        for (auto it = shown.crbegin(); it != shown.crend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }
};
