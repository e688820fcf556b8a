#include "HeadlessUi.h"

#include <QTextStream>

namespace vlt {

namespace {

void print(const QString& kind, const QString& text, const QString& title) {
    QTextStream err(stderr);
    err << kind;
    if (!title.isEmpty())
        err << QStringLiteral(" (") << title << QLatin1Char(')');
    err << QStringLiteral(": ") << text << Qt::endl;
}

} // namespace

void HeadlessUi::errorMessage(const QString& text, const QString& title) {
    print(QStringLiteral("Fehler"), text, title);
}

void HeadlessUi::infoMessage(const QString& text, const QString& title) {
    print(QStringLiteral("Information"), text, title);
}

int HeadlessUi::yesNoQuestion(const QString& text, const QString& title) {
    print(QStringLiteral("Frage, mit Nein beantwortet"), text, title);
    return ID_No;
}

int HeadlessUi::choiceQuestion(const QString& text, const QStringList&, const QString& title) {
    print(QStringLiteral("Frage, ohne Wahl beantwortet"), text, title);
    return -1;
}

QString HeadlessUi::openFolderDialog(const QString& initialFolder, const QString& title) {
    print(QStringLiteral("Dialog abgebrochen"), initialFolder, title);
    return QString();
}

QString HeadlessUi::openFileDialog(const FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

QString HeadlessUi::saveFileDialog(const FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

// Yes, unlike the other questions: there is no one to read the difference, and a target gets
// here only when the run named it itself (file dialogs are cancelled here). Such a run wants
// its module written, as the batch compile regenerates its module without asking; a "no"
// would leave a stale module behind that looks like a result.
bool HeadlessUi::confirmOverwrite(const QString& target, const QString&, const QString&) {
    print(QStringLiteral("Moduldatei ohne Rückfrage überschrieben"), target, QString());
    return true;
}

void HeadlessUi::openWebPage(const QString& address) {
    print(QStringLiteral("Webseite nicht geöffnet"), address, QString());
}

} // namespace vlt
