#include "app/DesktopRegistration.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QDateTime modificationTime(const QString& path) {
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

void backdate(const QString& path, const QDateTime& when) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class tst_DesktopRegistration : public QObject {
    Q_OBJECT

private slots:
    void filesDescribeTheFileType();
    void execQuotesThePath_data();
    void execQuotesThePath();
    void unchangedFilesAreLeftAlone();
    void failuresAreIgnored();
};

void tst_DesktopRegistration::filesDescribeTheFileType() {
    QTemporaryDir home;
    const DesktopRegistration desktop(home.path(), DesktopRegistration::CacheRefresh::Skip);
    desktop.registerFileType(QStringLiteral("/opt/Class Shaper/classshaper"));

    const QString mime = readText(desktop.mimePackagePath());
    QVERIFY(mime.contains(QStringLiteral("<mime-type type=\"application/x-vlt-ctf\">")));
    QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.vlt-ctf\"/>")));
    QVERIFY(mime.contains(QStringLiteral("<comment>Veltrane Class Template File</comment>")));

    const QStringList entry = readText(desktop.desktopEntryPath()).split(QLatin1Char('\n'));
    const int action = entry.indexOf(QStringLiteral("[Desktop Action Kompilieren]"));
    QVERIFY(action > 0);
    QCOMPARE(entry.mid(0, action).filter(QStringLiteral("Exec=")),
             QStringList{"Exec=\"/opt/Class Shaper/classshaper\" %f"});
    QCOMPARE(entry.mid(action).filter(QStringLiteral("Exec=")),
             QStringList{"Exec=\"/opt/Class Shaper/classshaper\" %f /COMPILE"});
    QVERIFY(entry.contains(QStringLiteral("MimeType=application/x-vlt-ctf;")));
    QVERIFY(entry.contains(QStringLiteral("Actions=Kompilieren;")));
    QVERIFY(entry.contains(QStringLiteral("Icon=veltrane-classshaper")));
    QVERIFY(readText(desktop.iconPath()).contains(QStringLiteral("<svg")));
}

void tst_DesktopRegistration::execQuotesThePath_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << "/usr/bin/classshaper"
                           << "\"/usr/bin/classshaper\"";
    QTest::newRow("blank") << "/opt/a b/classshaper"
                           << "\"/opt/a b/classshaper\"";
    QTest::newRow("extension kept as it is") << "/opt/cs/CLASSSHAPER.EXE"
                                             << "\"/opt/cs/CLASSSHAPER.EXE\"";
    QTest::newRow("dollar, quote and backtick escaped") << "/opt/$x\"y`/cs"
                                                        << "\"/opt/\\\\$x\\\\\"y\\\\`/cs\"";
    QTest::newRow("backslash escaped twice") << "/opt/a\\b/cs"
                                             << "\"/opt/a\\\\\\\\b/cs\"";
    QTest::newRow("percent doubled") << "/opt/100%/cs"
                                     << "\"/opt/100%%/cs\"";
}

void tst_DesktopRegistration::execQuotesThePath() {
    QFETCH(QString, executable);
    QFETCH(QString, exec);
    QCOMPARE(DesktopRegistration::quotedExec(executable), exec);
}

void tst_DesktopRegistration::unchangedFilesAreLeftAlone() {
    QTemporaryDir home;
    const DesktopRegistration desktop(home.path(), DesktopRegistration::CacheRefresh::Skip);
    desktop.registerFileType(QStringLiteral("/opt/cs/classshaper"));
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    const QStringList files{desktop.mimePackagePath(), desktop.desktopEntryPath(),
                            desktop.iconPath()};
    for (const QString& file : files)
        backdate(file, past);

    desktop.registerFileType(QStringLiteral("/opt/cs/classshaper"));
    for (const QString& file : files)
        QCOMPARE(modificationTime(file), past);

    desktop.registerFileType(QStringLiteral("/opt/moved/classshaper"));
    QVERIFY(modificationTime(desktop.desktopEntryPath()) > past);
    QVERIFY(readText(desktop.desktopEntryPath()).contains(QStringLiteral("/opt/moved/")));
    QCOMPARE(modificationTime(desktop.mimePackagePath()), past);
}

void tst_DesktopRegistration::failuresAreIgnored() {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("datei")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DesktopRegistration desktop(blocker.fileName() + QStringLiteral("/share"),
                                      DesktopRegistration::CacheRefresh::Skip);
    desktop.registerFileType(QStringLiteral("/opt/cs/classshaper"));
    QVERIFY(!QFile::exists(desktop.desktopEntryPath()));
}

QObject* makeDesktopRegistrationTest() {
    return new tst_DesktopRegistration;
}

#include "tst_desktop_registration.moc"
