#include "support/CaseTable.h"
#include "support/TestMain.h"

#include "corelib/Paths.h"
#include "corelib/Tokenizer.h"

#include <QtTest>

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
};
CLASSSHAPER_TEST(HelperTest);

#include "tst_helpers.moc"
