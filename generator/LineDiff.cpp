#include "LineDiff.h"

#include <QStringList>
#include <algorithm>

namespace gen {
namespace {

constexpr std::size_t kContext = 3;
// Above this many cells the table of common lengths would be too large; the changed region is
// then shown as removed and added whole.
constexpr std::size_t kMaxTableCells = std::size_t(1) << 22;

std::vector<DiffLine> diffLines(const QStringList& a, const QStringList& b) {
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t n = std::size_t(a.size() - head - tail);
    const std::size_t m = std::size_t(b.size() - head - tail);
    const bool small = (n + 1) * (m + 1) <= kMaxTableCells;
    std::vector<std::vector<int>> common(small ? n + 1 : 0, std::vector<int>(small ? m + 1 : 0));
    for (std::size_t i = n; small && i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = a[head + qsizetype(i)] == b[head + qsizetype(j)]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<DiffLine> lines;
    lines.reserve(std::size_t(head + tail) + n + m);
    for (qsizetype k = 0; k < head; ++k)
        lines.push_back({u' ', a[k]});
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        const QString* left = i < n ? &a[head + qsizetype(i)] : nullptr;
        const QString* right = j < m ? &b[head + qsizetype(j)] : nullptr;
        if (small && left && right && *left == *right) {
            lines.push_back({u' ', *left});
            ++i, ++j;
        } else if (left && (!right || !small || common[i + 1][j] >= common[i][j + 1])) {
            lines.push_back({u'-', *left});
            ++i;
        } else {
            lines.push_back({u'+', *right});
            ++j;
        }
    }
    for (qsizetype k = a.size() - tail; k < a.size(); ++k)
        lines.push_back({u' ', a[k]});
    return lines;
}

// The line of the old text that entry `at` of the comparison stands at, counted from 1.
std::size_t oldLineNumber(const std::vector<DiffLine>& lines, std::size_t at) {
    return 1 + std::size_t(std::count_if(lines.begin(), lines.begin() + qsizetype(at),
                                         [](const DiffLine& line) { return line.mark != u'+'; }));
}

} // namespace

std::vector<DiffLine> moduleDiffLines(const QString& oldText, const QString& newText) {
    return diffLines(oldText.split(QStringLiteral("\r\n")), newText.split(QStringLiteral("\r\n")));
}

QString unifiedDiff(const QString& oldText, const QString& newText) {
    const std::vector<DiffLine> lines = moduleDiffLines(oldText, newText);
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
        result += QStringLiteral("@@ Zeile %1 @@\n").arg(oldLineNumber(lines, start));
        for (std::size_t line = start; line < end; ++line)
            result += lines[line].mark + lines[line].text + u'\n';
        k = end;
    }
    return result;
}

} // namespace gen
