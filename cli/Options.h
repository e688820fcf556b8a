#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// What a run does: generate modules from templates, import modules into templates, or bring a
// whole VB6 project up to date.
enum class Mode { Generate, Import, Project };

struct Options {
    Mode mode = Mode::Generate;
    bool attributes = true;
    bool check = false;
    bool fatalWarnings = false; // any finding of the checks ends with exit status 1
    bool toStdout = false;
    bool trace = false;    // each generated line preceded by the generator's file and line
    QString outputFile;    // -o FILE; empty when the templates' COMPILED files are the targets
    QString outputDir;     // --output-dir DIR: the imported templates go there
    QStringList templates; // the modules with --import, the project with --project
    bool help = false;
    bool version = false;
};

// The options of a command line without the program name. On bad usage returns nothing and
// puts the German reason into error.
std::optional<Options> parseOptions(const QStringList& arguments, QString& error);

// The one-line synopsis, and the whole help of --help.
QString usageLine();
QString usageText();

} // namespace cli
