#include "SystemErrorText.h"

#include <clocale>
#include <utility>

namespace vlt {
namespace {

const std::pair<const char*, const char*> kCauses[] = {
    {"Permission denied", "Zugriff verweigert"},
    {"No space left on device", "Kein Speicherplatz mehr auf dem Gerät"},
    {"Read-only file system", "Das Dateisystem ist schreibgeschützt"},
    {"No such file or directory", "Datei oder Ordner nicht gefunden"},
    {"Is a directory", "Das ist ein Ordner"},
    {"Not a directory", "Das ist kein Ordner"},
    {"File exists", "Die Datei ist schon vorhanden"},
    {"Too many open files", "Zu viele offene Dateien"},
    {"Disk quota exceeded", "Speicherkontingent überschritten"},
    {"Input/output error", "Ein-/Ausgabefehler"},
    {"File name too long", "Der Dateiname ist zu lang"},
};

} // namespace

QString germanCause(const QString& cause) {
    QString german = cause;
    for (const auto& [english, translated] : kCauses)
        german.replace(QLatin1String(english), QString::fromUtf8(translated));
    return german;
}

void useEnglishSystemErrors() {
    std::setlocale(LC_MESSAGES, "C");
}

} // namespace vlt
