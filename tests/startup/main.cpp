#include <QApplication>
#include <QtTest>
#include <memory>

QObject* makeStartupTest();

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::unique_ptr<QObject> test(makeStartupTest());
    return QTest::qExec(test.get(), argc, argv);
}
