#include "QtUiServices.h"

#include "preview/OverwriteDialog.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

// The initial file of an open dialog may be a pattern ("folder/*.vlt-ctf"); Qt wants the
// folder alone then, the filter does the rest.
QString initialSelection(const QString& initialFile) {
    const QFileInfo info(initialFile);
    if (info.fileName().contains(QLatin1Char('*')) || info.fileName().contains('?'))
        return info.path();
    return initialFile;
}

void prepareDialog(QFileDialog& dialog, const vlt::FileDialogRequest& request) {
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setWindowTitle(request.title);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    const QString initial = initialSelection(request.initialFile);
    const QFileInfo info(initial);
    if (info.isDir()) {
        dialog.setDirectory(initial);
    } else {
        dialog.setDirectory(info.path());
        dialog.selectFile(info.fileName());
    }
}

QString runDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QStringList qtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result.append(QStringLiteral("%1 (%2)").arg(parts.at(i), patterns));
    }
    return result;
}

QString withDefaultExtension(const QString& path, const QString& defaultExtension) {
    if (path.isEmpty() || defaultExtension.isEmpty())
        return path;
    if (QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + defaultExtension;
}

void QtUiServices::errorMessage(const QString& text, const QString& title) {
    QMessageBox::critical(m_parent, title, text);
}

void QtUiServices::infoMessage(const QString& text, const QString& title) {
    QMessageBox::information(m_parent, title, text);
}

int QtUiServices::yesNoQuestion(const QString& text, const QString& title) {
    // "Nein" is the default: Return and Escape both keep what the user has.
    const auto answer = QMessageBox::question(m_parent, title, text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? vlt::ID_Yes : vlt::ID_No;
}

int QtUiServices::choiceQuestion(const QString& text, const QStringList& choices,
                                 const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, buttons.isEmpty() ? QMessageBox::AcceptRole
                                                               : QMessageBox::RejectRole));
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.value(buttons.size() - 1)));
    box.setEscapeButton(buttons.value(buttons.size() - 1));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString QtUiServices::openFolderDialog(const QString& initialFolder, const QString& title) {
    return QFileDialog::getExistingDirectory(m_parent, title, initialFolder);
}

QString QtUiServices::openFileDialog(const vlt::FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareDialog(dialog, request);
    return runDialog(dialog);
}

QString QtUiServices::saveFileDialog(const vlt::FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
    prepareDialog(dialog, request);
    return withDefaultExtension(runDialog(dialog), request.defaultExtension);
}

bool QtUiServices::confirmOverwrite(const QString& target, const QString& oldText,
                                    const QString& newText) {
    OverwriteDialog dialog(target, oldText, newText, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtUiServices::openWebPage(const QString& address) {
    if (!QDesktopServices::openUrl(QUrl(address)))
        errorMessage(QStringLiteral("Die Seite %1 konnte nicht geöffnet werden: es ist kein "
                                    "Webbrowser eingerichtet.")
                         .arg(address));
}
