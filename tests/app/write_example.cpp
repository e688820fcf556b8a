// Writes examples/Kunde.vlt-ctf through the model, so the example always has the current
// file format. Usage: write_example <target file>
#include "ExampleTemplate.h"

#include "corelib/Error.h"
#include "model/TemplateFile.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: write_example <Zieldatei>\n");
        return 2;
    }
    try {
        writeTemplate(QString::fromLocal8Bit(argv[1]), *kundeTemplate());
    } catch (const vlt::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
