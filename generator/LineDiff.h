#pragma once

#include <QString>
#include <vector>

namespace gen {

// One line of a comparison of two module texts: ' ' in both, '-' only in the old text, '+'
// only in the new one.
struct DiffLine {
    QChar mark;
    QString text;
};

// The lines of an old module text against a new one, split at CR LF, changes found as the
// longest common subsequence of the lines between the common head and tail.
std::vector<DiffLine> moduleDiffLines(const QString& oldText, const QString& newText);

// The same as a unified diff with three lines of context: "-" lines only in the old text, "+"
// lines only in the new text, "@@ Zeile N @@" hunk heads. Empty when the texts are equal.
QString unifiedDiff(const QString& oldText, const QString& newText);

} // namespace gen
