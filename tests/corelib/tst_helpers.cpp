#include "support/CaseTable.h"
#include "support/TestMain.h"

#include "corelib/HostText.h"
#include "corelib/Paths.h"
#include "corelib/SystemErrorText.h"
#include "corelib/Tokenizer.h"

#include <cstring>

class HelperTest : public QObject {
    Q_OBJECT

private slots:
    void tokenizer_data() { addCaseRows(QStringLiteral("command-lines"), {"line", "tokens"}); }
    void tokenizer() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, tokens);
        const QStringList tokenList = vlt::tokenizeCommandLine(QString::fromUtf8(line));
        QCOMPARE(tokenList.join(QChar(0xB6)) + (tokenList.isEmpty() ? "" : "¶"),
                 QString::fromUtf8(tokens));
    }

    void folderPart_data() { addCaseRows(QStringLiteral("folder-parts"), {"path", "folder"}); }
    void folderPart() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, folder);
        QCOMPARE(vlt::folderPart(QString::fromUtf8(path)), QString::fromUtf8(folder));
    }

    void upperContains_data() {
        addCaseRows(QStringLiteral("upper-contains"), {"text", "upper", "contains"});
    }
    void upperContains() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, upper);
        QFETCH(QByteArray, contains);
        QCOMPARE(vlt::upperContains(QString::fromUtf8(text), QLatin1StringView(upper)),
                 contains == "1");
    }

    void systemErrorsInGerman_data() {
        addCaseRows(QStringLiteral("system-errors"), {"number", "german"});
    }
    void systemErrorsInGerman() {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, german);
        vlt::useEnglishSystemErrors();
        QCOMPARE(vlt::germanCause(QString::fromLocal8Bit(std::strerror(number.toInt()))),
                 QString::fromUtf8(german));
    }
};
CLASSSHAPER_TEST(HelperTest);

#include "tst_helpers.moc"
