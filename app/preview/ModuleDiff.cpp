#include "ModuleDiff.h"

#include "controls/SchemeColours.h"
#include "controls/WindowPlacement.h"
#include "generator/LineDiff.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace {

const QString kSideBySideKey = QStringLiteral("diff/sideBySide");

// Colours "-" lines red, "+" lines green and hunk heads blue, in the shades of the view's
// colour scheme.
class DiffHighlighter : public QSyntaxHighlighter {
public:
    explicit DiffHighlighter(QPlainTextEdit* view)
        : QSyntaxHighlighter(view->document()), m_view(view) {}

protected:
    void highlightBlock(const QString& text) override {
        const QPalette& palette = m_view->palette();
        QTextCharFormat format;
        if (text.startsWith(u'-'))
            format.setBackground(scheme::removedLine(palette));
        else if (text.startsWith(u'+'))
            format.setBackground(scheme::addedLine(palette));
        else if (text.startsWith(QStringLiteral("@@")))
            format.setForeground(scheme::hunkHead(palette));
        else
            return;
        setFormat(0, static_cast<int>(text.size()), format);
    }

private:
    QPlainTextEdit* m_view;
};

// One side of the side-by-side form: its lines, and per line ' ' (in both), '-' or '+' (on
// this side only) or '/' (a gap where the other side has lines).
struct Side {
    QStringList lines;
    QString marks;
    void add(QChar mark, const QString& line) {
        marks += mark;
        lines.append(line);
    }
};

// Each run of changes becomes rows: the removed lines on the left, the added ones on the
// right, the shorter side filled with gaps.
std::pair<Side, Side> alignSides(const std::vector<gen::DiffLine>& lines) {
    Side left, right;
    std::size_t k = 0;
    while (k < lines.size()) {
        if (lines[k].mark == u' ') {
            left.add(u' ', lines[k].text);
            right.add(u' ', lines[k++].text);
            continue;
        }
        QStringList removed, added;
        for (; k < lines.size() && lines[k].mark != u' '; ++k)
            (lines[k].mark == u'-' ? removed : added).append(lines[k].text);
        for (qsizetype row = 0; row < std::max(removed.size(), added.size()); ++row) {
            left.add(row < removed.size() ? u'-' : u'/', removed.value(row));
            right.add(row < added.size() ? u'+' : u'/', added.value(row));
        }
    }
    return {left, right};
}

// Colours whole lines by their marks and brings the first change into view.
void showSide(QPlainTextEdit* view, const Side& side) {
    view->setPlainText(side.lines.join(u'\n'));
    QList<QTextEdit::ExtraSelection> selections;
    QTextBlock block = view->document()->firstBlock();
    for (const QChar mark : side.marks) {
        if (mark != u' ') {
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(block);
            const QPalette& palette = view->palette();
            selection.format.setBackground(mark == u'-'   ? scheme::removedLine(palette)
                                           : mark == u'+' ? scheme::addedLine(palette)
                                                          : scheme::gapLine(palette));
            selection.format.setProperty(QTextFormat::FullWidthSelection, true);
            selections.append(selection);
        }
        block = block.next();
    }
    view->setExtraSelections(selections);
    if (!selections.isEmpty())
        view->setTextCursor(selections.constFirst().cursor);
}

QPlainTextEdit* codeView(QWidget* parent, const char* name) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QLatin1String(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return view;
}

// The two sides scroll as one. Keys move a view's lines without a signal from its scroll bar;
// the view's repaint request tells.
void scrollTogether(QPlainTextEdit* a, QPlainTextEdit* b) {
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        QObject::connect(from->horizontalScrollBar(), &QScrollBar::valueChanged,
                         to->horizontalScrollBar(), &QScrollBar::setValue);
        QObject::connect(from, &QPlainTextEdit::updateRequest, to,
                         [from = from, to = to](const QRect&, int scrolled) {
                             if (scrolled != 0)
                                 to->verticalScrollBar()->setValue(
                                     from->verticalScrollBar()->value());
                         });
    }
}

QString summaryOf(const std::vector<gen::DiffLine>& lines) {
    const auto count = [&lines](QChar mark) {
        return std::count_if(lines.begin(), lines.end(),
                             [mark](const gen::DiffLine& line) { return line.mark == mark; });
    };
    const qsizetype removed = count(u'-'), added = count(u'+');
    if (removed == 0 && added == 0)
        return QStringLiteral("Keine Unterschiede: beide Seiten sind gleich.");
    const auto lineCount = [](qsizetype n) {
        return n == 1 ? QStringLiteral("1 Zeile") : QStringLiteral("%1 Zeilen").arg(n);
    };
    return QStringLiteral("%1 nur links (rot), %2 nur rechts (grün)")
        .arg(lineCount(removed), lineCount(added));
}

} // namespace

DiffView::DiffView(QWidget* parent)
    : QWidget(parent), m_sideBySide(new QCheckBox(QStringLiteral("&Nebeneinander"), this)),
      m_summary(new QLabel(this)), m_pages(new QStackedWidget(this)),
      m_unified(codeView(this, "txt_Diff")), m_old(codeView(this, "txt_DiffOld")),
      m_new(codeView(this, "txt_DiffNew")) {
    m_sideBySide->setObjectName(QStringLiteral("chk_SideBySide"));
    new DiffHighlighter(m_unified);
    auto* sides = new QWidget(this);
    auto* sidesLayout = new QHBoxLayout(sides);
    sidesLayout->setContentsMargins(0, 0, 0, 0);
    sidesLayout->addWidget(m_old);
    sidesLayout->addWidget(m_new);
    scrollTogether(m_old, m_new);
    m_pages->addWidget(m_unified);
    m_pages->addWidget(sides);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* head = new QHBoxLayout;
    head->setContentsMargins(4, 2, 8, 2);
    head->addWidget(m_sideBySide);
    head->addStretch();
    head->addWidget(m_summary);
    layout->addLayout(head);
    layout->addWidget(m_pages, 1);
    m_summary->setObjectName(QStringLiteral("lbl_DiffSummary"));
    m_sideBySide->setChecked(QSettings().value(kSideBySideKey, false).toBool());
    showSideBySide(m_sideBySide->isChecked());
    connect(m_sideBySide, &QCheckBox::toggled, this, [this](bool sideBySide) {
        showSideBySide(sideBySide);
        QSettings().setValue(kSideBySideKey, sideBySide);
    });
}

void DiffView::showTexts(const QString& oldText, const QString& newText) {
    const QString diff = gen::unifiedDiff(oldText, newText);
    m_unified->setPlainText(diff.isEmpty() ? QStringLiteral("Keine Unterschiede.") : diff);
    const std::vector<gen::DiffLine> lines = gen::moduleDiffLines(oldText, newText);
    m_summary->setText(summaryOf(lines));
    const auto [left, right] = alignSides(lines);
    showSide(m_old, left);
    showSide(m_new, right);
    centreFirstChange();
}

// Centring needs the views' height, which they have once they are shown. The old side
// scrolls with the new one.
void DiffView::centreFirstChange() {
    QTimer::singleShot(0, this, [this] { m_new->centerCursor(); });
}

QString DiffView::text() const {
    return m_unified->toPlainText();
}

QString DiffView::summary() const {
    return m_summary->text();
}

void DiffView::showSideBySide(bool sideBySide) {
    m_pages->setCurrentIndex(sideBySide ? 1 : 0);
    centreFirstChange();
}

ModuleDiff::ModuleDiff(QWidget* parent) : QWidget(parent, Qt::Window), m_view(new DiffView(this)) {
    setObjectName(QStringLiteral("frm_ModuleDiff"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        new QShortcut(keys, this, this, &QWidget::close);
    placeOnScreen(this, QSize(900, 600));
}

void ModuleDiff::showDiff(const QString& path, const QString& oldText, const QString& newText) {
    setWindowTitle(QStringLiteral("Unterschiede: %1 gegen die Vorlage").arg(path));
    m_view->showTexts(oldText, newText);
    if (!isVisible())
        placeOnScreen(this, QSize(900, 600));
    show();
    raise();
    activateWindow();
}

QString ModuleDiff::text() const {
    return m_view->text();
}
