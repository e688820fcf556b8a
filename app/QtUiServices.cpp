#include "QtUiServices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// The initial file of an open dialog may be a pattern ("folder/*.vlt-ctf"); Qt wants the
// folder alone then, the filter does the rest.
QString initialSelection(const QString& pInitialFile) {
    const QFileInfo vInfo(pInitialFile);
    if (vInfo.fileName().contains(QLatin1Char('*')) || vInfo.fileName().contains('?'))
        return vInfo.path();
    return pInitialFile;
}

void prepareDialog(QFileDialog& dialog, const vlt::FileDialogRequest& request) {
    const QStringList vFilters = qtNameFilters(request.filter);
    dialog.setWindowTitle(request.title);
    dialog.setNameFilters(vFilters);
    if (request.filterIndex >= 1 && request.filterIndex <= vFilters.size())
        dialog.selectNameFilter(vFilters.at(request.filterIndex - 1));
    const QString vInitial = initialSelection(request.initialFile);
    const QFileInfo vInfo(vInitial);
    if (vInfo.isDir()) {
        dialog.setDirectory(vInitial);
    } else {
        dialog.setDirectory(vInfo.path());
        dialog.selectFile(vInfo.fileName());
    }
}

QString runDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QStringList qtNameFilters(const QString& pFilter) {
    QStringList vResult;
    const QStringList vParts = pFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < vParts.size(); i += 2) {
        QString vPatterns = vParts.at(i + 1);
        vPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        vResult.append(QStringLiteral("%1 (%2)").arg(vParts.at(i), vPatterns));
    }
    return vResult;
}

QString withDefaultExtension(const QString& pPath, const QString& pDefaultExtension) {
    if (pPath.isEmpty() || pDefaultExtension.isEmpty())
        return pPath;
    if (QFileInfo(pPath).fileName().contains(QLatin1Char('.')))
        return pPath;
    return pPath + pDefaultExtension;
}

void QtUiServices::errorMessage(const QString& text, const QString& title) {
    QMessageBox::critical(m_parent, title, text);
}

void QtUiServices::infoMessage(const QString& text, const QString& title) {
    QMessageBox::information(m_parent, title, text);
}

int QtUiServices::yesNoQuestion(const QString& text, const QString& title) {
    const auto vAnswer =
        QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No);
    return vAnswer == QMessageBox::Yes ? vlt::ID_Yes : vlt::ID_No;
}

QString QtUiServices::openFileDialog(const vlt::FileDialogRequest& request) {
    QFileDialog vDialog(m_parent);
    vDialog.setAcceptMode(QFileDialog::AcceptOpen);
    vDialog.setFileMode(QFileDialog::ExistingFile);
    prepareDialog(vDialog, request);
    return runDialog(vDialog);
}

QString QtUiServices::saveFileDialog(const vlt::FileDialogRequest& request) {
    QFileDialog vDialog(m_parent);
    vDialog.setAcceptMode(QFileDialog::AcceptSave);
    vDialog.setFileMode(QFileDialog::AnyFile);
    prepareDialog(vDialog, request);
    return withDefaultExtension(runDialog(vDialog), request.defaultExtension);
}

void QtUiServices::openWebPage(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}
