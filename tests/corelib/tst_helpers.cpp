#include "support/CaseTable.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "corelib/BulkMemory.h"
#include "corelib/HeadlessUi.h"
#include "corelib/HostText.h"
#include "corelib/Paths.h"
#include "corelib/SystemErrorText.h"
#include "corelib/Tokenizer.h"

#include <cstring>
#include <unistd.h>

class HelperTest : public QObject {
    Q_OBJECT

private slots:
    void tokenizer_data() { addCaseRows(u"command-lines"_s, 2); }
    void tokenizer() {
        const auto [line, tokens] = caseFields<2>();
        const QStringList tokenList = vlt::tokenizeCommandLine(QString::fromUtf8(line));
        QCOMPARE(tokenList.join(QChar(0xB6)) + (tokenList.isEmpty() ? "" : "¶"),
                 QString::fromUtf8(tokens));
    }

    // Large blocks start on a huge-page boundary, hold all their bytes and go back whole.
    void bulkBlocks() {
        const auto mappedKb = [] {
            const QByteArray status = readBytes(u"/proc/self/status"_s);
            return status.mid(status.indexOf("VmSize:") + 7).trimmed().split(' ').first().toLong();
        };
        const long before = mappedKb();
        for (const std::size_t bytes : {std::size_t(600000), std::size_t(5000000)}) {
            const vlt::BulkBlock block(bytes);
            QCOMPARE(reinterpret_cast<std::uintptr_t>(block.data()) % (2 * 1024 * 1024), 0u);
            std::memset(block.data(), 1, bytes);
            QCOMPARE(block.data()[bytes - 1], 1);
        }
        QCOMPARE(mappedKb(), before);
    }

    void folderPart_data() { addCaseRows(u"folder-parts"_s, 2); }
    void folderPart() {
        const auto [path, folder] = caseFields<2>();
        QCOMPARE(vlt::folderPart(QString::fromUtf8(path)), QString::fromUtf8(folder));
    }

    void upperContains_data() { addCaseRows(u"upper-contains"_s, 3); }
    void upperContains() {
        const auto [text, upper, contains] = caseFields<3>();
        QCOMPARE(vlt::upperContains(QString::fromUtf8(text), QLatin1StringView(upper)),
                 contains == "1");
    }

    void systemErrorsInGerman_data() { addCaseRows(u"system-errors"_s, 2); }
    void systemErrorsInGerman() {
        const auto [number, german] = caseFields<2>();
        vlt::useEnglishSystemErrors();
        QCOMPARE(vlt::germanCause(QString::fromLocal8Bit(std::strerror(number.toInt()))),
                 QString::fromUtf8(german));
    }

    // A run without a window answers every question itself and says so on standard error.
    void headlessAnswersAndSays() {
        QTemporaryFile said;
        QVERIFY(said.open());
        const int stderrBefore = dup(STDERR_FILENO);
        dup2(said.handle(), STDERR_FILENO);
        vlt::HeadlessUi ui;
        ui.errorMessage(u"kaputt"_s, u"Titel"_s);
        ui.infoMessage(u"fertig"_s);
        const vlt::FileDialogRequest request{u"/v/k.cls"_s, u"Laden"_s, QString(), 1, QString()};
        const QStringList answers{QString::number(ui.yesNoQuestion(u"Weiter?"_s)),
                                  QString::number(ui.choiceQuestion(u"Welche?"_s, {"a", "b"})),
                                  ui.openFolderDialog(u"/v"_s, u"Ordner"_s),
                                  ui.openFileDialog(request) + ui.saveFileDialog(request),
                                  QString::number(ui.confirmOverwrite(u"/v/k.cls"_s, "a", "b"))};
        ui.openWebPage(u"https://www.veltrane.example/"_s);
        dup2(stderrBefore, STDERR_FILENO);
        close(stderrBefore);
        QCOMPARE(answers, (QStringList{QString::number(vlt::ID_No), "-1", "", "", "1"}));
        compareWithGolden(QString::fromUtf8(readBytes(said.fileName())).split(u'\n'),
                          "cases/headless-ui.txt");
    }
};
CLASSSHAPER_TEST(HelperTest);

#include "tst_helpers.moc"
