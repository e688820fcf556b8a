// The desktop program's entry: the window, start-up on the command line, the event loop.
#include "DesktopRegistration.h"
#include "NonInteractiveRun.h"
#include "Startup.h"
#include "corelib/SystemErrorText.h"
#include "dialogs/QtUiServices.h"
#include "editor/frm_Main.h"

#include "corelib/HeadlessUi.h"
#include "corelib/Paths.h"
#include "corelib/Version.h"
#include "document/AppState.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <optional>

namespace {

StartupInput startupInput() {
    const QStringList arguments = QCoreApplication::arguments();
    StartupInput input;
    input.commandLine = commandLineFromArguments(arguments.mid(1));
    input.executablePath = vlt::executablePath();
    // arguments[0] is argv[0] as typed, which the syntax message repeats.
    if (!arguments.isEmpty())
        input.invokedName = QFileInfo(arguments.first()).fileName();
    if (input.invokedName.isEmpty())
        input.invokedName = vlt::executableBaseName();
    return input;
}

// Qt's own texts (file dialogs, standard buttons, the overwrite question) in German.
void loadGermanQtTexts(QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

// The window class and the settings' place match the desktop entry.
void nameTheApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrane"));
    QCoreApplication::setApplicationName(QStringLiteral("classshaper"));
    QGuiApplication::setDesktopFileName(QStringLiteral("veltrane-classshaper"));
}

// --help and --version answer on standard output without a window, so they work without a
// display too.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            QTextStream(stdout) << helpText(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
            return 0;
        }
        if (argument == "--version") {
            QTextStream(stdout) << QStringLiteral("classshaper %1\n").arg(vlt::programVersion());
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int runClassShaper(int argc, char** argv) {
    if (const std::optional<int> answered = answerWithoutWindow(argc, argv))
        return *answered;
    nameTheApplication();
    QApplication application(argc, argv);
    vlt::useEnglishSystemErrors();
    QTranslator qtTexts;
    loadGermanQtTexts(qtTexts);
    const bool nonInteractive = nonInteractiveRun();
    QtUiServices dialogs;
    vlt::HeadlessUi console;
    vlt::UiServices& ui = nonInteractive ? static_cast<vlt::UiServices&>(console) : dialogs;

    AppState app(ui);
    frm_Main window(app, nullptr);
    dialogs.setParentWindow(&window);

    const DesktopRegistration desktop(DesktopRegistration::defaultDataHome());
    const StartupResult result = runStartup(app, window, desktop, startupInput());
    if (result.endAtOnce)
        return result.exitStatus;

    window.show();
    if (nonInteractive)
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    const int status = QApplication::exec();
    return status != 0 ? status : result.exitStatus;
}
