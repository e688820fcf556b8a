// classshaper-gen [--no-attributes] [-o FILE | --stdout [--trace]] [--check] [--fatal-warnings]
// TEMPLATE...; classshaper-gen --import MODULE... (-o TEMPLATE | --output-dir DIR);
// classshaper-gen --project PROJECT.vbp|FOLDER [--check]
#include "ImportRun.h"
#include "Options.h"
#include "ProjectRun.h"
#include "Run.h"

#include "corelib/SystemErrorText.h"
#include "corelib/Version.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    vlt::useEnglishSystemErrors();
    QString error;
    const std::optional<cli::Options> options =
        cli::parseOptions(QCoreApplication::arguments().mid(1), error);
    if (!options) {
        QTextStream(stderr) << QStringLiteral("classshaper-gen: ") << error << Qt::endl
                            << cli::usageLine() << QStringLiteral("Mehr mit --help.") << Qt::endl;
        return cli::ExitError;
    }
    if (options->help) {
        QTextStream(stdout) << cli::usageText();
        return cli::ExitDone;
    }
    if (options->version) {
        QTextStream(stdout) << QStringLiteral("classshaper-gen %1\n").arg(vlt::programVersion());
        return cli::ExitDone;
    }
    switch (options->mode) {
    case cli::Mode::Import:
        return cli::runImport(*options);
    case cli::Mode::Project:
        return cli::runProject(*options);
    case cli::Mode::Generate:
        break;
    }
    return cli::run(*options);
}
