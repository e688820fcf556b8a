#include <QCoreApplication>
#include <QtTest>
#include <memory>

QObject* makeStartupTest();
QObject* makeDesktopRegistrationTest();
QObject* makeEndToEndTest();

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int status = 0;
    for (auto make : {makeStartupTest, makeDesktopRegistrationTest, makeEndToEndTest}) {
        const std::unique_ptr<QObject> test(make());
        status |= QTest::qExec(test.get(), argc, argv);
    }
    return status;
}
