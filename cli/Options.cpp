#include "Options.h"

namespace cli {
namespace {

bool takeOption(const QString& argument, const QStringList& arguments, qsizetype& i,
                Options& options, QString& error) {
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        options.help = true;
    } else if (argument == QLatin1String("--no-attributes")) {
        options.attributes = false;
    } else if (argument == QLatin1String("--check")) {
        options.check = true;
    } else if (argument == QLatin1String("--fatal-warnings")) {
        options.fatalWarnings = true;
    } else if (argument == QLatin1String("--stdout")) {
        options.toStdout = true;
    } else if (argument == QLatin1String("--trace")) {
        options.trace = true;
    } else if (argument == QLatin1String("-o")) {
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("Nach -o fehlt der Name der Zieldatei.");
            return false;
        }
        options.outputFile = arguments[++i];
    } else {
        error = QStringLiteral("Unbekannte Option \"%1\".").arg(argument);
        return false;
    }
    return true;
}

bool checkCombination(const Options& options, QString& error) {
    if (options.help)
        return true;
    if (options.templates.isEmpty())
        error = QStringLiteral("Es wurde keine Klassenvorlage angegeben.");
    else if (!options.outputFile.isEmpty() && options.toStdout)
        error = QStringLiteral("-o und --stdout schließen einander aus.");
    else if (!options.outputFile.isEmpty() && options.templates.size() > 1)
        error = QStringLiteral("-o ist nur mit genau einer Klassenvorlage erlaubt.");
    else if (options.check && options.toStdout)
        error = QStringLiteral("--check und --stdout schließen einander aus.");
    return error.isEmpty();
}

} // namespace

std::optional<Options> parseOptions(const QStringList& arguments, QString& error) {
    Options options;
    bool onlyTemplates = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyTemplates || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            options.templates.append(argument);
        } else if (argument == QLatin1String("--")) {
            onlyTemplates = true;
        } else if (!takeOption(argument, arguments, i, options, error)) {
            return std::nullopt;
        }
    }
    if (!checkCombination(options, error))
        return std::nullopt;
    return options;
}

QString usageLine() {
    return QStringLiteral(
        "Aufruf: classshaper-gen [--no-attributes] [--trace] [-o DATEI | --stdout] [--check] "
        "[--fatal-warnings] VORLAGE...\n");
}

QString usageText() {
    return usageLine() +
           QStringLiteral(
               "\n"
               "Erzeugt aus Klassenvorlagen (.vlt-ctf) die Klassenmodule (.cls) in Windows-1252.\n"
               "\n"
               "  -o DATEI          das Modul in DATEI schreiben (nur eine Vorlage)\n"
               "  --stdout          die Bytes des Moduls auf die Standardausgabe schreiben\n"
               "  --no-attributes   ohne Kopf- und Attributblock erzeugen (Form der "
               "Zwischenablage)\n"
               "  --trace           vor jede erzeugte Zeile einen Kommentar mit Datei und Zeile\n"
               "                    des Generators schreiben, der sie erzeugt hat\n"
               "  --check           nichts schreiben, nur vergleichen; abweichende und fehlende\n"
               "                    Zieldateien werden genannt\n"
               "  --fatal-warnings  jeder Befund der Prüfungen (Fehler wie Warnung) ergibt den\n"
               "                    Rückgabewert 1\n"
               "  --help            diese Hilfe zeigen\n"
               "\n"
               "Ohne -o und --stdout geht jedes Modul in die Datei, in die die Vorlage zuletzt\n"
               "erzeugt wurde (COMPILED); ein relativer Pfad gilt vom Ordner der Vorlage aus. "
               "Eine\n"
               "Zieldatei, deren Inhalt gleich bliebe, wird nicht angefasst.\n"
               "\n"
               "Befunde der Prüfungen (Namen, die VB6 ablehnt, Zeilenumbrüche in Kommentaren, "
               "...)\n"
               "stehen auf der Standardfehlerausgabe, eine Zeile je Befund.\n"
               "\n"
               "Rückgabewert: 0 alles erledigt (mit --check: alles gleich), 1 --check fand einen\n"
               "Unterschied oder --fatal-warnings einen Befund, 2 falscher Aufruf oder ein Fehler "
               "in einer Vorlage oder Zieldatei.\n");
}

} // namespace cli
