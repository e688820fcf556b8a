#include <QCoreApplication>

int runWriteFaultTests(int argc, char** argv);
int runHostileTemplateTests(int argc, char** argv);
int runHostilePackageTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runWriteFaultTests, runHostileTemplateTests, runHostilePackageTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
