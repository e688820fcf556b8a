#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <initializer_list>

// The lines of a class module and the ways the importer compares them with what the generator
// writes: exactly first, then as VB6 reads them (without regard to case and to blanks beside
// punctuation), so that a module the VB6 editor has re-formatted still reads. The module stays
// in its Windows-1252 bytes; only the values the template takes are decoded.
namespace gen::importing {

// One line of the module, without its CR LF.
using Line = QByteArrayView;

// The module's bytes read line by line. A line is known by its position, the offset of its
// first byte; the lines are split at CR LF.
class ModuleText {
public:
    explicit ModuleText(QByteArrayView bytes) : m_bytes(bytes) {}

    QByteArrayView bytes() const { return m_bytes; }
    // The position after the last line.
    qsizetype end() const { return m_bytes.size() + 1; }
    // Where the line at position ends: the offset of its CR LF, or of the end of the bytes.
    qsizetype lineEnd(qsizetype position) const;
    Line line(qsizetype position) const {
        return m_bytes.sliced(position, lineEnd(position) - position);
    }
    qsizetype next(qsizetype position) const {
        const qsizetype end = lineEnd(position);
        return end == m_bytes.size() ? this->end() : end + 2;
    }
    // The bytes from the line at `first` to the end of the line at `last`.
    QByteArrayView span(qsizetype first, qsizetype last) const {
        return m_bytes.sliced(first, lineEnd(last) - first);
    }
    // The number of the line at position, counted from 1.
    qsizetype lineNumber(qsizetype position) const;

private:
    QByteArrayView m_bytes;
};

// True when line is expected exactly, or equal to it apart from case and blanks.
bool sameLine(Line line, QStringView expected);
// True for the rule line above and below section titles: "'" and euro signs.
bool isSeparator(Line line);
// True for a line holding nothing but blanks and tabs.
bool isEmptyLine(Line line);
// The head of a Sub, Function or Property, and the procedure's name in it.
bool isProcedureHead(Line line);
Line procedureName(Line head);
// True when the procedure's name is `name`, without regard to case.
bool isNamed(Line head, QStringView name);
// The line that ends the procedure `head` starts ("End Sub", "End Function", "End Property").
QStringView procedureEnd(Line head);

// Splits line = pieces[0] + values[0] + pieces[1] + ... + values[n-1] + pieces[n] into its
// values, each ending at the first place its next piece occurs. A line that does not match
// exactly is matched once more without regard to case and to blanks beside punctuation; its
// values are then trimmed of blanks.
bool splitLine(Line line, std::initializer_list<QStringView> pieces,
               std::initializer_list<Line*> values);
// True when line starts with prefix, exactly or as above; rest is what follows.
bool startsWithPiece(Line line, QStringView prefix, Line* rest = nullptr);

// The text of a value.
QString textOf(Line value);
// A line for a message, shortened.
QString quotedLine(Line line);

} // namespace gen::importing
