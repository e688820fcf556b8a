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

QString HeadlessUi::openFileDialog(const FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

QString HeadlessUi::saveFileDialog(const FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

void HeadlessUi::openWebPage(const QString& address) {
    print(QStringLiteral("Webseite nicht geöffnet"), address, QString());
}

} // namespace vlt
