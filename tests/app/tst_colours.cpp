// What the user reads stays readable in a light and in a dark colour scheme: changed lines of a
// difference, comments and keywords of the module, findings in the member dialog.
#include "WindowFixture.h"

#include "app/controls/SchemeColours.h"
#include "app/preview/ModuleDiff.h"
#include "app/preview/PreviewPane.h"
#include "app/viewer/CodeViewer.h"
#include "app/viewer/VbHighlighter.h"

namespace {

double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// As the web's accessibility rules measure it: 1 for equal colours, 21 for black on white.
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette colourScheme(bool dark) {
    QPalette palette;
    const QColor text = dark ? QColor(239, 240, 241) : QColor(0, 0, 0);
    const QColor base = dark ? QColor(35, 38, 41) : QColor(255, 255, 255);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Window, dark ? QColor(49, 54, 59) : QColor(239, 239, 239));
    // A scheme that sets no placeholder colour leaves Qt's default, black.
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0));
    return palette;
}

// The colour the highlighter gives the first character of a line, or the text colour.
QColor colourAt(const QPlainTextEdit* view, const QString& line, qsizetype at = 0) {
    for (QTextBlock block = view->document()->firstBlock(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(line))
            continue;
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            if (range.start <= at && at < range.start + range.length)
                return range.format.foreground().color();
    }
    return view->palette().color(QPalette::Text);
}

// The line with each highlighted run bracketed: «k:keyword», «c:comment», «s:string»; a run
// drawn in another kind's colour is marked "?".
QString marked(const QTextBlock& block, const QPalette& palette) {
    QString line = block.text();
    QList<QTextLayout::FormatRange> ranges = block.layout()->formats();
    std::sort(ranges.begin(), ranges.end(),
              [](const auto& a, const auto& b) { return a.start > b.start; });
    for (const QTextLayout::FormatRange& range : ranges) {
        const bool bold = range.format.fontWeight() == QFont::Bold;
        const bool italic = range.format.fontItalic();
        const QColor colour = bold     ? scheme::keyword(palette)
                              : italic ? scheme::comment(palette)
                                       : scheme::string(palette);
        line.insert(range.start + range.length, u"»"_s);
        const QString mark = range.format.foreground().color() == colour ? u""_s : u"?"_s;
        line.insert(range.start, u"«"_s + (bold ? u'k' : italic ? u'c' : u's') + mark + u':');
    }
    return line;
}

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT
private slots:
    // Every keyword, strings with doubled quotes and apostrophes, comments with quotes, Rem.
    void eachWordGetsItsFormat() {
        QTextDocument document(QString::fromUtf8(readBytes(testData("highlight/sample.bas"))));
        VbHighlighter highlighter(&document, QApplication::palette());
        QStringList lines;
        for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
            lines.append(marked(block, QApplication::palette()));
        compareWithGolden(lines, "highlight/sample.marked");
    }

    void init() { m_kept = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_kept); }
    void readableInEveryScheme_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void readableInEveryScheme() {
        QFETCH(bool, dark);
        const QColor text = colourScheme(dark).color(QPalette::Text);
        const QColor base = colourScheme(dark).color(QPalette::Base);
        WindowFixture f;
        f.showActive();
        f.window->preview()->refreshNow();
        CodeViewer viewer;
        viewer.showModule(u"m.cls"_s, f.window->preview()->codeView()->toPlainText());
        QApplication::setPalette(colourScheme(dark)); // switched while the windows are open
        QCoreApplication::processEvents();            // the change reaches the widgets as an event
        for (const QPlainTextEdit* code :
             {f.window->preview()->codeView(), viewer.findChild<QPlainTextEdit*>()}) {
            QVERIFY2(contrast(colourAt(code, "'€ Interfaces"), base) >= 3, "comments");
            QVERIFY2(contrast(colourAt(code, "Implements"), base) >= 3, "keywords");
        }

        DiffView diff;
        diff.showTexts(u"a\r\nb"_s, u"a\r\nc"_s);
        auto* unified = diff.findChild<QPlainTextEdit*>(u"txt_Diff"_s);
        for (const char* line : {"-b", "+c"}) {
            QTextBlock block = unified->document()->firstBlock();
            while (block.isValid() && block.text() != QLatin1String(line))
                block = block.next();
            QVERIFY(block.isValid());
            const QTextLayout::FormatRange range = block.layout()->formats().value(0);
            QCOMPARE(std::pair(range.start, range.length), std::pair(0, 2)); // the whole line
            QVERIFY2(contrast(text, range.format.background().color()) >= 4.5, line);
        }
        QVERIFY(colourAt(unified, "@@") != text && contrast(colourAt(unified, "@@"), base) >= 3);
        diff.showTexts(u"a"_s, u"a"_s);
        QCOMPARE(unified->toPlainText(), u"Keine Unterschiede."_s);

        f.dialogScripts.append([&](frm_Member& dialog) {
            dialog.txt_Name->setText(u"Liefer Datum"_s);
            QVERIFY(!dialog.lbl_Findings->text().isEmpty());
            QVERIFY2(contrast(dialog.lbl_Findings->palette().color(QPalette::WindowText),
                              dialog.palette().color(QPalette::Window)) >= 3,
                     "findings");
        });
        f.trigger("mnu_MemberAdd");
    }

private:
    QPalette m_kept;
};

CLASSSHAPER_TEST(ColoursTest);
#include "tst_colours.moc"
