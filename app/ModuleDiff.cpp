#include "ModuleDiff.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr int kContext = 3;

struct DiffLine {
    QChar mark; // ' ', '-' or '+'
    QString text;
};

// Longest common subsequence over the lines between the common head and tail, which holds
// the table small for the usual edit of a few lines.
std::vector<DiffLine> diffLines(const QStringList& a, const QStringList& b) {
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const qsizetype n = a.size() - head - tail, m = b.size() - head - tail;
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            common[i][j] = a[head + i] == b[head + j]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<DiffLine> lines;
    for (qsizetype k = 0; k < head; ++k)
        lines.push_back({u' ', a[k]});
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[head + i] == b[head + j]) {
            lines.push_back({u' ', a[head + i++]});
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            lines.push_back({u'-', a[head + i++]});
        } else {
            lines.push_back({u'+', b[head + j++]});
        }
    }
    for (qsizetype k = a.size() - tail; k < a.size(); ++k)
        lines.push_back({u' ', a[k]});
    return lines;
}

// Colours "-" lines red, "+" lines green and hunk heads blue.
class DiffHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat format;
        if (text.startsWith(u'-'))
            format.setBackground(QColor(0xFF, 0xE0, 0xE0));
        else if (text.startsWith(u'+'))
            format.setBackground(QColor(0xE0, 0xFF, 0xE0));
        else if (text.startsWith(QStringLiteral("@@")))
            format.setForeground(QColor(0x00, 0x00, 0xA0));
        else
            return;
        setFormat(0, static_cast<int>(text.size()), format);
    }
};

} // namespace

QString unifiedDiff(const QString& oldText, const QString& newText) {
    const std::vector<DiffLine> lines =
        diffLines(oldText.split(QStringLiteral("\r\n")), newText.split(QStringLiteral("\r\n")));
    QString result;
    std::size_t k = 0;
    while (k < lines.size()) {
        if (lines[k].mark == u' ') {
            ++k;
            continue;
        }
        // One hunk: the changes that lie within twice the context of each other, with the
        // context before the first and after the last.
        const std::size_t start = k >= kContext ? k - kContext : 0;
        std::size_t last = k;
        for (std::size_t next = k + 1; next < lines.size() && next - last <= 2 * kContext; ++next)
            if (lines[next].mark != u' ')
                last = next;
        const std::size_t end = std::min(lines.size(), last + kContext + 1);
        result += QStringLiteral("@@ Zeile %1 @@\n").arg(start + 1);
        for (std::size_t line = start; line < end; ++line)
            result += lines[line].mark + lines[line].text + u'\n';
        k = end;
    }
    return result;
}

QString decodeModule(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

ModuleDiff::ModuleDiff(QWidget* parent)
    : QWidget(parent, Qt::Window), m_view(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frm_ModuleDiff"));
    m_view->setObjectName(QStringLiteral("txt_Diff"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    new DiffHighlighter(m_view->document());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(900, 600);
}

void ModuleDiff::showDiff(const QString& path, const QString& oldText, const QString& newText) {
    setWindowTitle(QStringLiteral("Unterschiede: %1 gegen die Vorlage").arg(path));
    const QString diff = unifiedDiff(oldText, newText);
    m_view->setPlainText(diff.isEmpty() ? QStringLiteral("Keine Unterschiede.") : diff);
    show();
    raise();
}

QString ModuleDiff::text() const {
    return m_view->toPlainText();
}
