#include <QCoreApplication>

int runRecordTests(int argc, char** argv);
int runTemplateFileTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runRecordTests, runTemplateFileTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
