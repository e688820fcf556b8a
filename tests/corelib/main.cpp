#include <QCoreApplication>

int runVariantTests(int argc, char** argv);
int runFileTests(int argc, char** argv);
int runSealingTests(int argc, char** argv);
int runVStringTests(int argc, char** argv);
int runHelperTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run :
         {runVariantTests, runFileTests, runSealingTests, runVStringTests, runHelperTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
