#include "TestMain.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <iterator>
#include <memory>
#include <vector>

#ifdef CLASSSHAPER_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QCoreApplication;
#endif

namespace {

std::vector<QObject* (*)()>& registry() {
    static std::vector<QObject* (*)()> makers;
    return makers;
}

// A class runs unless test functions were named and none of them is its own.
bool named(const QObject& test, const QStringList& arguments) {
    bool namedAny = false;
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(u'-'))
            continue;
        namedAny = true;
        const QByteArray function = argument.section(u':', 0, 0).toLatin1() + "()";
        if (test.metaObject()->indexOfMethod(function.constData()) >= 0)
            return true;
    }
    return !namedAny;
}

// Qt Test's crash handler hands a fatal signal on to the handler it found; for a second class
// in one process that is the first class's Qt handler, and a crash would print without end.
// Each class starts from the handlers the process had before the first.
class FatalSignals {
public:
    FatalSignals() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], nullptr, &m_original[i]);
    }
    void restore() const {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &m_original[i], nullptr);
    }

private:
    static constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTERM, SIGINT};
    struct sigaction m_original[std::size(kSignals)] = {};
};

// Qt Test reports an exception that escapes a test function and throws it on; run on out of
// main, it would abort the process, and Qt's crash handler answers that abort without end.
int run(QObject& test, const QStringList& arguments) {
    try {
        return QTest::qExec(&test, arguments);
    } catch (const std::exception& error) {
        qCritical("%s: unhandled exception: %s", test.metaObject()->className(), error.what());
    } catch (...) {
        qCritical("%s: unhandled exception", test.metaObject()->className());
    }
    return 1;
}

} // namespace

int registerTestClass(QObject* (*make)()) {
    registry().push_back(make);
    return static_cast<int>(registry().size());
}

int main(int argc, char** argv) {
    // Settings (recent files, folders, window place) go to a folder of this process, not the
    // user's and not one that test programs running beside it share.
    QStandardPaths::setTestModeEnabled(true);
    TestApplication application(argc, argv);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QStringList arguments = QCoreApplication::arguments();
    const FatalSignals signalsBefore;
    int status = 0;
    for (const auto make : registry()) {
        const std::unique_ptr<QObject> test(make());
        if (!named(*test, arguments))
            continue;
        signalsBefore.restore();
        status |= run(*test, arguments);
    }
    return status == 0 ? 0 : 1;
}
