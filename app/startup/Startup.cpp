#include "Startup.h"

#include "DesktopRegistration.h"
#include "document/AppState.h"
#include "document/TemplateDocument.h"
#include "editor/TemplateShell.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"
#include "corelib/Tokenizer.h"
#include "generator/ModuleOutput.h"

#include <QTextStream>

namespace {

const QString kNoFileForCompile =
    QStringLiteral("Sie müssen eine Datei zusammen mit /COMPILE angeben!");
const QString kCompiledDeleted = QStringLiteral(
    "Die Datei kann automatisch nicht erneut kompiliert werden, da das Kompilat gelöscht wurde");

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
        return switchPass();
    }

private:
    void tokenize() {
        m_tokens = vlt::tokenizeCommandLine(m_input.commandLine);
        for (QString& token : m_tokens) {
            token = withoutSurroundingQuotes(token);
            if (vlt::fileExists(token))
                m_givenFile = token;
        }
    }

    void loadGivenFile() {
        if (m_givenFile.isEmpty())
            return;
        try {
            if (openTemplate(m_app, m_givenFile))
                m_shell.showTemplate();
        } catch (const vlt::Error& error) {
            showError(error.message());
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
            if (upper == QLatin1String("/COMPILE") || upper == QLatin1String("-COMPILE")) {
                if (batchCompileEnds())
                    return endAtOnce();
            }
        }
        return {false, exitStatus()};
    }

    // True when the program has to end at once.
    bool batchCompileEnds() {
        if (m_givenFile.isEmpty()) {
            showError(kNoFileForCompile);
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
    bool m_errorShown = false;
};

} // namespace

StartupResult runStartup(AppState& app, TemplateShell& shell, const DesktopRegistration& desktop,
                         const StartupInput& input) {
    return StartupSequence(app, shell, input).run(desktop);
}

QString commandLineFromArguments(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(argument.contains(QLatin1Char(' '))
                          ? QLatin1Char('"') + argument + QLatin1Char('"')
                          : argument);
    return quoted.join(QLatin1Char(' '));
}
