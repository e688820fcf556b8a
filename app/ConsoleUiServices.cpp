#include "ConsoleUiServices.h"

#include "SystemErrorText.h"

#include <QTextStream>

namespace {

void print(const QString& kind, const QString& text, const QString& title) {
    QTextStream err(stderr);
    err << kind;
    if (!title.isEmpty())
        err << QStringLiteral(" (") << title << QLatin1Char(')');
    err << QStringLiteral(": ") << text << Qt::endl;
}

} // namespace

void ConsoleUiServices::errorMessage(const QString& text, const QString& title) {
    print(QStringLiteral("Fehler"), withGermanSystemErrors(text), title);
}

void ConsoleUiServices::infoMessage(const QString& text, const QString& title) {
    print(QStringLiteral("Information"), text, title);
}

int ConsoleUiServices::yesNoQuestion(const QString& text, const QString& title) {
    print(QStringLiteral("Frage, mit Nein beantwortet"), text, title);
    return vlt::ID_No;
}

QString ConsoleUiServices::openFileDialog(const vlt::FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

QString ConsoleUiServices::saveFileDialog(const vlt::FileDialogRequest& request) {
    print(QStringLiteral("Dialog abgebrochen"), request.initialFile, request.title);
    return QString();
}

void ConsoleUiServices::openWebPage(const QString& address) {
    print(QStringLiteral("Webseite nicht geöffnet"), address, QString());
}

bool nonInteractiveRun() {
    return qEnvironmentVariable("CLASSSHAPER_NONINTERACTIVE") == QLatin1String("1");
}
