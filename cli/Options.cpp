#include "Options.h"

namespace cli {
namespace {

// The value after an option, or "" with error set.
QString valueOf(const QString& option, const QStringList& arguments, qsizetype& i,
                const QString& missing, QString& error) {
    if (i + 1 >= arguments.size()) {
        error = QStringLiteral("Nach %1 fehlt %2.").arg(option, missing);
        return QString();
    }
    return arguments[++i];
}

bool takeOption(const QString& argument, const QStringList& arguments, qsizetype& i,
                Options& options, QString& error) {
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        options.help = true;
    } else if (argument == QLatin1String("--version")) {
        options.version = true;
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
    } else if (argument == QLatin1String("--import")) {
        options.mode = Mode::Import;
    } else if (argument == QLatin1String("--project")) {
        options.mode = Mode::Project;
    } else if (argument == QLatin1String("-o")) {
        options.outputFile =
            valueOf(argument, arguments, i, QStringLiteral("der Name der Zieldatei"), error);
        return error.isEmpty();
    } else if (argument == QLatin1String("--output-dir")) {
        options.outputDir = valueOf(argument, arguments, i, QStringLiteral("der Ordner"), error);
        return error.isEmpty();
    } else {
        error = QStringLiteral("Unbekannte Option \"%1\".").arg(argument);
        return false;
    }
    return true;
}

bool checkGenerate(const Options& options, QString& error) {
    if (options.templates.isEmpty())
        error = QStringLiteral("Es wurde keine Klassenvorlage angegeben.");
    else if (!options.outputFile.isEmpty() && options.toStdout)
        error = QStringLiteral("-o und --stdout schließen einander aus.");
    else if (!options.outputFile.isEmpty() && options.templates.size() > 1)
        error = QStringLiteral("-o ist nur mit genau einer Klassenvorlage erlaubt.");
    else if (options.check && options.toStdout)
        error = QStringLiteral("--check und --stdout schließen einander aus.");
    else if (options.trace && !options.toStdout)
        error = QStringLiteral("--trace geht nur mit --stdout: die Kommentarzeilen gehören nicht "
                               "in eine Moduldatei.");
    else if (!options.outputDir.isEmpty())
        error = QStringLiteral("--output-dir gilt nur mit --import.");
    return error.isEmpty();
}

bool checkImport(const Options& options, QString& error) {
    if (options.templates.isEmpty())
        error = QStringLiteral("Es wurde kein Klassenmodul zum Importieren angegeben.");
    else if (!options.attributes || options.check || options.toStdout || options.trace ||
             options.fatalWarnings)
        error = QStringLiteral("Mit --import gelten nur -o und --output-dir.");
    else if (options.outputFile.isEmpty() == options.outputDir.isEmpty())
        error = QStringLiteral("--import braucht -o VORLAGE (ein Modul) oder --output-dir "
                               "ORDNER.");
    else if (!options.outputFile.isEmpty() && options.templates.size() > 1)
        error = QStringLiteral("-o ist nur mit genau einem Modul erlaubt; für mehrere: "
                               "--output-dir ORDNER.");
    return error.isEmpty();
}

bool checkProject(const Options& options, QString& error) {
    if (options.templates.size() != 1)
        error = QStringLiteral("--project braucht genau ein Projekt: eine .vbp-Datei oder einen "
                               "Ordner.");
    else if (!options.attributes || options.toStdout || options.trace || options.fatalWarnings ||
             !options.outputFile.isEmpty() || !options.outputDir.isEmpty())
        error = QStringLiteral("Mit --project gilt nur --check.");
    return error.isEmpty();
}

bool checkCombination(const Options& options, QString& error) {
    if (options.help || options.version)
        return true;
    switch (options.mode) {
    case Mode::Import:
        return checkImport(options, error);
    case Mode::Project:
        return checkProject(options, error);
    case Mode::Generate:
        break;
    }
    return checkGenerate(options, error);
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
        "Aufruf: classshaper-gen [--no-attributes] [-o DATEI | --stdout [--trace]] [--check] "
        "[--fatal-warnings] VORLAGE...\n"
        "       classshaper-gen --import MODUL -o VORLAGE\n"
        "       classshaper-gen --import MODUL... --output-dir ORDNER\n"
        "       classshaper-gen --project PROJEKT.vbp|ORDNER [--check]\n");
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
               "  --trace           mit --stdout: vor jede erzeugte Zeile einen Kommentar mit\n"
               "                    Datei und Zeile des Generators schreiben, der sie erzeugt hat\n"
               "  --check           nichts schreiben, nur vergleichen; abweichende und fehlende\n"
               "                    Zieldateien werden genannt\n"
               "  --fatal-warnings  jeder Befund der Prüfungen (Fehler wie Warnung) ergibt den\n"
               "                    Rückgabewert 1\n"
               "  --import          Klassenmodule (.cls) in Klassenvorlagen zurückverwandeln\n"
               "  --output-dir ORDNER  mit --import: je Modul eine Vorlage KLASSENNAME.vlt-ctf\n"
               "                    in ORDNER schreiben\n"
               "  --project PROJEKT  alle veralteten und fehlenden Module eines VB6-Projekts\n"
               "                    (.vbp-Datei oder Ordner) neu erzeugen; mit --check nur\n"
               "                    prüfen; je Klassenmodul eine Zeile mit Zustand, Modul und\n"
               "                    Vorlage\n"
               "  --help, -h        diese Hilfe zeigen\n"
               "  --version         die Version zeigen\n"
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
               "in einer Vorlage oder Zieldatei.\n"
               "\n"
               "Mit --import erzeugt das Programm das Modul aus der neuen Vorlage noch einmal und\n"
               "vergleicht es Byte für Byte mit dem Modul. Rückgabewert: 0 die Vorlage erzeugt "
               "das\n"
               "Modul genau, 1 die Vorlage ist geschrieben, erzeugt aber ein anderes Modul (die\n"
               "ersten abweichenden Zeilen stehen auf der Standardfehlerausgabe), 2 die Datei ist\n"
               "kein Klassenmodul dieser Form oder nicht lesbar; dann wird nichts geschrieben.\n"
               "\n"
               "Mit --project: die Zustände sind aktuell, veraltet, fehlt, ohne Vorlage, Fehler\n"
               "und Konflikt. Rückgabewert 0 alles aktuell oder erzeugt, 1 mit --check: ein\n"
               "Modul ist veraltet oder fehlt, 2 das Projekt ist nicht lesbar, eine Vorlage nicht\n"
               "lesbar, zwei Vorlagen schreiben ein Modul oder ein Modul kann nicht geschrieben\n"
               "werden; die anderen werden trotzdem bearbeitet.\n");
}

} // namespace cli
