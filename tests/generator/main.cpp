#include "tst_golden.h"
#include "tst_rules.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    int failures = 0;
    {
        GeneratorRulesTest rules;
        failures += QTest::qExec(&rules, argc, argv);
    }
    {
        GoldenModulesTest golden;
        failures += QTest::qExec(&golden, argc, argv);
    }
    return failures;
}
