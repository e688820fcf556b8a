#pragma once

#include "corelib/UiServices.h"

#include <QPointer>
#include <QWidget>

// A filter in the core library's form ("Klasse|*.cls|Alle|*.*") in Qt's form
// ("Klasse (*.cls);;Alle (*.*)").
QStringList qtNameFilters(const QString& filter);
// The chosen save path with defaultExtension (".cls") appended when the file name has none.
QString withDefaultExtension(const QString& path, const QString& defaultExtension);

// Messages and file dialogs of the desktop program, on Qt's standard dialogs.
class QtUiServices : public vlt::UiServices {
public:
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    void errorMessage(const QString& text, const QString& title = QString()) override;
    void infoMessage(const QString& text, const QString& title = QString()) override;
    int yesNoQuestion(const QString& text, const QString& title = QString()) override;
    int choiceQuestion(const QString& text, const QStringList& choices,
                       const QString& title = QString()) override;
    QString openFolderDialog(const QString& initialFolder, const QString& title) override;
    QString openFileDialog(const vlt::FileDialogRequest& request) override;
    QString saveFileDialog(const vlt::FileDialogRequest& request) override;
    bool confirmOverwrite(const QString& target, const QString& oldText,
                          const QString& newText) override;
    void openWebPage(const QString& address) override;

private:
    QPointer<QWidget> m_parent;
};
