#include <QApplication>
#include <QtTest>
#include <memory>

QObject* makeStartupTest();
QObject* makeEndToEndTest();

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int status = 0;
    for (auto make : {makeStartupTest, makeEndToEndTest}) {
        const std::unique_ptr<QObject> test(make());
        status |= QTest::qExec(test.get(), argc, argv);
    }
    return status;
}
