#include "Startup.h"

#include "DesktopRegistration.h"
#include "document/AppState.h"
#include "document/TemplateDocument.h"
#include "editor/TemplateShell.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"
#include "corelib/Tokenizer.h"
#include "generator/ModuleOutput.h"
#include "project/Project.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kNoFileForCompile =
    QStringLiteral("Sie müssen eine Datei zusammen mit /COMPILE angeben!");
const QString kCompiledDeleted = QStringLiteral(
    "Die Datei kann automatisch nicht erneut kompiliert werden, da das Kompilat gelöscht wurde");
const QString kTemplateMissing = QStringLiteral("Die Klassenvorlage \"%1\" gibt es nicht.");

QString withoutSurroundingQuotes(const QString& token) {
    if (token.size() > 2 && token.startsWith(QLatin1Char('"')) && token.endsWith(QLatin1Char('"')))
        return token.mid(1, token.size() - 2);
    return token;
}

void warnAboutReplacedCharacters(const QString& path, const QString& replaced) {
    QTextStream(stderr) << QStringLiteral("Warnung: ")
                        << gen::replacedCharactersReport(path, replaced) << Qt::endl;
}

class StartupSequence {
public:
    StartupSequence(AppState& app, TemplateShell& shell, const StartupInput& input)
        : m_app(app), m_shell(shell), m_input(input) {}

    StartupResult run(const DesktopRegistration& desktop) {
        desktop.registerFileType(m_input.executablePath);
        m_shell.setMemberColumnWidths();
        m_shell.newTemplate();
        m_shell.refreshMemberList();
        tokenize();
        loadGivenFile();
        if (!m_givenProject.isEmpty() && !m_compile)
            m_shell.openProject(m_givenProject);
        return switchPass();
    }

private:
    void tokenize() {
        m_tokens = vlt::tokenizeCommandLine(m_input.commandLine);
        for (QString& token : m_tokens) {
            token = withoutSurroundingQuotes(token);
            if (isProject(token))
                m_givenProject = token;
            else if (vlt::fileExists(token))
                m_givenFile = token;
            else if (token.endsWith(QStringLiteral(".vlt-ctf"), Qt::CaseInsensitive))
                m_missingFile = token;
            if (isCompileSwitch(token))
                m_compile = true;
        }
    }

    // A VB6 project file or a folder opens as the project beside the template.
    static bool isProject(const QString& token) {
        return proj::isProjectPath(token) && QFileInfo::exists(token);
    }

    static bool isCompileSwitch(const QString& token) {
        const QString upper = token.toUpper();
        return upper == QLatin1String("/COMPILE") || upper == QLatin1String("-COMPILE");
    }

    // A mistyped template is named; with /COMPILE and no template at all, the switch's own
    // message names it.
    void loadGivenFile() {
        if (!m_missingFile.isEmpty() && !(m_compile && m_givenFile.isEmpty()))
            showError(kTemplateMissing.arg(m_missingFile));
        if (m_givenFile.isEmpty())
            return;
        try {
            if (openTemplate(m_app, m_givenFile)) {
                m_shell.showTemplate();
                m_shell.templateOpened(m_givenFile);
            }
        } catch (const vlt::Error& error) {
            showError(error.message());
            m_loadFailed = true;
        }
    }

    StartupResult switchPass() {
        for (const QString& token : std::as_const(m_tokens)) {
            const QString upper = token.toUpper();
            if (upper == QLatin1String("/?") || upper == QLatin1String("-?")) {
                const QString syntax =
                    m_input.invokedName + QStringLiteral(" [<Datei>] [/COMPILE]");
                QTextStream(stdout) << syntax << Qt::endl;
                m_app.ui.infoMessage(syntax, QStringLiteral("Syntax"));
                return endAtOnce();
            }
            if (isCompileSwitch(token) && batchCompileEnds())
                return endAtOnce();
        }
        return {false, exitStatus()};
    }

    // True when the program has to end at once. A template that could not be loaded is not
    // replaced by the new one: nothing is written and nothing saved.
    bool batchCompileEnds() {
        if (m_loadFailed)
            return true;
        if (m_givenFile.isEmpty()) {
            showError(m_missingFile.isEmpty()
                          ? kNoFileForCompile
                          : kNoFileForCompile + u' ' + kTemplateMissing.arg(m_missingFile));
            return true;
        }
        const QString compiled = m_app.currentTemplate->COMPILED;
        if (compiled.isEmpty()) {
            createFileAndSave();
            return true;
        }
        const QString target = gen::moduleTarget(compiled, m_givenFile);
        if (!vlt::fileExists(target)) {
            showError(kCompiledDeleted);
            createFileAndSave();
            return true;
        }
        regenerateInPlace(target);
        return false;
    }

    void createFileAndSave() {
        m_shell.createFile();
        try {
            saveTemplate(m_app, m_app.currentTemplatePath);
        } catch (const vlt::Error& error) {
            showError(error.message());
        }
    }

    void regenerateInPlace(const QString& target) {
        try {
            const QString replaced = gen::writeModuleFile(target, m_shell.hCompile(true)).replaced;
            if (!replaced.isEmpty())
                warnAboutReplacedCharacters(target, replaced);
        } catch (const vlt::Error& error) {
            showError(error.message());
        }
    }

    void showError(const QString& text) {
        m_app.ui.errorMessage(text, QString());
        m_errorShown = true;
    }

    int exitStatus() const { return m_errorShown ? 1 : 0; }
    StartupResult endAtOnce() const { return {true, exitStatus()}; }

    AppState& m_app;
    TemplateShell& m_shell;
    const StartupInput& m_input;
    QStringList m_tokens;
    QString m_givenFile;
    QString m_givenProject; // the last token naming a .vbp file or a folder
    QString m_missingFile;  // the last token naming a template that does not exist
    bool m_compile = false;
    bool m_loadFailed = false;
    bool m_errorShown = false;
};

} // namespace

StartupResult runStartup(AppState& app, TemplateShell& shell, const DesktopRegistration& desktop,
                         const StartupInput& input) {
    return StartupSequence(app, shell, input).run(desktop);
}

QString helpText(const QString& invokedName) {
    return QStringLiteral(
               "Aufruf: %1 [<Datei>] [<Projekt>] [/COMPILE]\n"
               "\n"
               "Bearbeitet Klassenvorlagen (.vlt-ctf) und erzeugt aus ihnen Klassenmodule (.cls)\n"
               "für Visual Basic 6 auf Grundlage der Veltrane Core-Klassenbibliothek.\n"
               "\n"
               "  <Datei>       die Klassenvorlage, die geöffnet wird\n"
               "  <Projekt>     ein VB6-Projekt (.vbp) oder ein Ordner, das neben der Vorlage\n"
               "                geöffnet wird: jedes Klassenmodul mit seiner Vorlage und seinem\n"
               "                Zustand\n"
               "  /COMPILE      das Klassenmodul der Vorlage ohne Rückfrage neu erzeugen\n"
               "                (auch -COMPILE, Groß- und Kleinschreibung gleich)\n"
               "  /?, -?        die Kurzform des Aufrufs in einem Meldungsfenster zeigen\n"
               "  --help, -h    diese Hilfe zeigen\n"
               "  --version     die Version zeigen\n"
               "\n"
               "Rückgabewert: 0, wenn das Programm ordentlich endet; 1, wenn beim Start eine\n"
               "Fehlermeldung kam (eine Vorlage, die nicht gelesen werden kann, eine fehlende\n"
               "Datei zu /COMPILE, ein gelöschtes Kompilat, ein Modul oder eine Vorlage, die "
               "nicht\n"
               "geschrieben werden kann).\n"
               "\n"
               "Ohne Bildschirm: CLASSSHAPER_NONINTERACTIVE=1 QT_QPA_PLATFORM=offscreen %1 "
               "VORLAGE /COMPILE\n"
               "Für Build-Skripte: classshaper-gen (siehe classshaper-gen --help).\n")
        .arg(invokedName);
}

QString commandLineFromArguments(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(argument.contains(QLatin1Char(' '))
                          ? QLatin1Char('"') + argument + QLatin1Char('"')
                          : argument);
    return quoted.join(QLatin1Char(' '));
}
