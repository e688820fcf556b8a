#include <QApplication>
#include <QMetaMethod>
#include <QtTest>
#include <memory>

QObject* makeStartupTest();
QObject* makeDesktopRegistrationTest();
QObject* makeEndToEndTest();
QObject* makeWindowTest();

namespace {

const QStringList kOptionsWithValue{
    "-o",          "-maxwarnings", "-eventdelay",   "-keydelay",     "-mousedelay",  "-seed",
    "-iterations", "-median",      "-minimumvalue", "-minimumtotal", "-perfcounter", "-repeat"};

bool hasTestFunction(const QObject& test, const QString& name) {
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (QString::fromLatin1(meta->method(i).name()) == name.section(QLatin1Char(':'), 0, 0))
            return true;
    return false;
}

// Several test classes share this program: function names given on the command line go to the
// class that has them, options go to every class.
QStringList argumentsFor(const QObject& test, const QStringList& arguments, bool& run) {
    QStringList result{arguments.first()};
    bool namedAny = false;
    bool namedOwn = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.startsWith(QLatin1Char('-')) ||
            kOptionsWithValue.contains(arguments.at(i - 1))) {
            result.append(argument);
            continue;
        }
        namedAny = true;
        if (hasTestFunction(test, argument)) {
            namedOwn = true;
            result.append(argument);
        }
    }
    run = !namedAny || namedOwn;
    return result;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int status = 0;
    for (auto make :
         {makeStartupTest, makeWindowTest, makeDesktopRegistrationTest, makeEndToEndTest}) {
        const std::unique_ptr<QObject> test(make());
        bool run = true;
        const QStringList own = argumentsFor(*test, arguments, run);
        if (run)
            status |= QTest::qExec(test.get(), own);
    }
    return status;
}
